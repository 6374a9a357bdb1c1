// SPDX-License-Identifier: GPL-3.0-or-later
#include "xmlInterface.h"

#include "LogCategories.h"
#include "NameText.h"
#include "RecordNumber.h"
#include "RecordText.h"
#include "SupportedIdMatch.h"
#include "XmlDocumentCache.h"
#include "XmlTreeCompare.h"

#include <QFile>

#include <tinyxml.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

const char *textOf(const char *value)
{
    return value ? value : "";
}

QString pathOf(const char *path)
{
    return path ? QFile::decodeName(QByteArray(path)) : QString();
}

// Decimal text to a 64-bit number, read like recordNumber() but without the 32-bit limits.
long long toNumber64(const char *value)
{
    if (!value)
        return 0;
    return std::strtoll(value, nullptr, 10);
}

template <size_t N>
void copyAttribute(char (&field)[N], const TiXmlElement *element, const char *name)
{
    if (const char *value = element->Attribute(name))
        setRecordText(field, value);
}

void copyNumber(int32_t *field, const TiXmlElement *element, const char *name)
{
    if (const char *value = element->Attribute(name))
        *field = recordNumber(value);
}

// ---- Lookups. E is TiXmlElement or const TiXmlElement. ----

// The first child element whose attribute of that name equals the key, byte for byte.
template <class E>
E *childByAttribute(E *parent, const char *name, const char *key)
{
    if (!parent)
        return nullptr;
    key = textOf(key);
    for (E *child = parent->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const char *value = child->Attribute(name);
        if (value && std::strcmp(value, key) == 0)
            return child;
    }
    return nullptr;
}

// The first child element whose attribute of that name, read as a number, equals the number.
template <class E>
E *childByNumber(E *parent, const char *name, int number)
{
    if (!parent)
        return nullptr;
    for (E *child = parent->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const char *value = child->Attribute(name);
        if (value && recordNumber(value) == number)
            return child;
    }
    return nullptr;
}

template <class E>
E *childByName(E *parent, const char *name)
{
    return parent ? parent->FirstChildElement(name) : nullptr;
}

template <class E>
E *profileOf(E *root, const char *profileKey)
{
    return childByAttribute(root, "index", profileKey);
}

// The custom lighting named by its index in the profile's `customLight` section.
template <class E>
E *customLedOf(E *profile, const char *ledIndex)
{
    return childByAttribute(childByName(profile, "customLight"), "index", ledIndex);
}

const char *zoneName(int zone)
{
    switch (zone) {
    case 0:
        return "light0";
    case 1:
        return "light1";
    case 2:
        return "light2";
    default:
        return nullptr;
    }
}

template <class E>
E *zoneOf(E *profile, int zone)
{
    const char *name = zoneName(zone);
    return name ? childByName(profile, name) : nullptr;
}

// Whether any attribute of the element has exactly this value.
bool bearsValue(const TiXmlElement *element, const char *key)
{
    key = textOf(key);
    for (const TiXmlAttribute *a = element->FirstAttribute(); a; a = a->Next()) {
        if (std::strcmp(a->Value(), key) == 0)
            return true;
    }
    return false;
}

// Whether any attribute value of the element contains the pattern.
bool containsValue(const TiXmlElement *element, const char *pattern)
{
    pattern = textOf(pattern);
    for (const TiXmlAttribute *a = element->FirstAttribute(); a; a = a->Next()) {
        if (std::strstr(a->Value(), pattern))
            return true;
    }
    return false;
}

TiXmlElement *previousSiblingElement(TiXmlElement *element)
{
    for (TiXmlNode *node = element->PreviousSibling(); node; node = node->PreviousSibling()) {
        if (TiXmlElement *previous = node->ToElement())
            return previous;
    }
    return nullptr;
}

TiXmlElement *appendElement(TiXmlElement *parent, const char *name)
{
    auto *element = new TiXmlElement(name);
    parent->LinkEndChild(element);
    return element;
}

// A key's assignment, appended as the last item of a profile's `macro` section.
void appendKeyMapItem(TiXmlElement *section, const char *keyCode, const char *keyChar, const char *operateType,
                      const char *repeatNum, const char *mode, const char *Value)
{
    TiXmlElement *item = appendElement(section, "item");
    item->SetAttribute("keyCode", textOf(keyCode));
    item->SetAttribute("keyChar", textOf(keyChar));
    item->SetAttribute("operateType", textOf(operateType));
    item->SetAttribute("repeatNum", textOf(repeatNum));
    item->SetAttribute("mode", textOf(mode));
    item->SetAttribute("Value", textOf(Value));
}

// ---- Record fields and their attributes, in the order the file holds them ----

// A number field of a record R and the attribute that holds it.
template <class R>
struct NumberField {
    const char *name;
    int32_t R::*field;
};

template <class R, size_t N>
void writeNumbers(TiXmlElement *element, const R &record, const NumberField<R> (&fields)[N])
{
    for (const NumberField<R> &f : fields)
        element->SetAttribute(f.name, record.*f.field);
}

template <class R, size_t N>
void readNumbers(R *record, const TiXmlElement *element, const NumberField<R> (&fields)[N])
{
    for (const NumberField<R> &f : fields)
        copyNumber(&(record->*f.field), element, f.name);
}

const NumberField<colorInfoData> kLightFields[] = {
    {"ledKeyboardOrSide", &colorInfoData::ledKeyboardOrSide},
    {"ledType", &colorInfoData::ledType},
    {"ledBrightness", &colorInfoData::ledBrightness},
    {"ledSpeed", &colorInfoData::ledSpeed},
    {"ledModeR", &colorInfoData::ledModeR},
    {"ledModeG", &colorInfoData::ledModeG},
    {"ledModeB", &colorInfoData::ledModeB},
    {"ledBgR", &colorInfoData::ledBgR},
    {"ledBgG", &colorInfoData::ledBgG},
    {"ledBgB", &colorInfoData::ledBgB},
    {"ledDirection", &colorInfoData::ledDirection},
    {"ledModeType", &colorInfoData::ledModeType},
    {"ledOpenOrClose", &colorInfoData::ledOpenOrClose},
    {"ledUpdate", &colorInfoData::ledUpdate},
};

const NumberField<CustomColorInfo> kColorFields[] = {
    {"index", &CustomColorInfo::index},   {"actionStatus", &CustomColorInfo::actionStatus},
    {"colorR", &CustomColorInfo::colorR}, {"colorG", &CustomColorInfo::colorG},
    {"colorB", &CustomColorInfo::colorB}, {"transparentNum", &CustomColorInfo::transparentNum},
};

// The file's order; the record starts with selectStatus.
const NumberField<DpiItemInfo> kDpiFields[] = {
    {"index", &DpiItemInfo::index},         {"selectStatus", &DpiItemInfo::selectStatus},
    {"isXY", &DpiItemInfo::isXY},           {"dpiX", &DpiItemInfo::dpiX},
    {"dpiY", &DpiItemInfo::dpiY},           {"dpiColorR", &DpiItemInfo::dpiColorR},
    {"dpiColorG", &DpiItemInfo::dpiColorG}, {"dpiColorB", &DpiItemInfo::dpiColorB},
};

const char *const kFeatureNames[] = {"feature1", "feature2", "feature3", "feature4"};

void writeStep(TiXmlElement *parent, const MacroEventInfo &step)
{
    TiXmlElement *item = appendElement(parent, "item");
    item->SetAttribute("mark", recordText(step.mark).constData());
    item->SetAttribute("delay", recordText(step.delay).constData());
    item->SetAttribute("type", recordText(step.type).constData());
    item->SetAttribute("keyCode", recordText(step.keyCode).constData());
    item->SetAttribute("codeName", recordText(step.codeName).constData());
    item->SetAttribute("operateExplain", recordText(step.operateExplain).constData());
}

MacroEventInfo readStep(const TiXmlElement *element)
{
    MacroEventInfo step;
    copyAttribute(step.mark, element, "mark");
    copyAttribute(step.delay, element, "delay");
    copyAttribute(step.type, element, "type");
    copyAttribute(step.keyCode, element, "keyCode");
    copyAttribute(step.codeName, element, "codeName");
    copyAttribute(step.operateExplain, element, "operateExplain");
    return step;
}

void writeLedItem(TiXmlElement *parent, const CustomLedItemInfo &item)
{
    TiXmlElement *element = appendElement(parent, "item");
    element->SetAttribute("keyCode", recordText(item.keyCode).constData());
    element->SetAttribute("codeName", recordText(item.codeName).constData());
    element->SetAttribute("indexX", item.indexX);
    element->SetAttribute("indexY", item.indexY);
    element->SetAttribute("colorR", item.colorR);
    element->SetAttribute("colorG", item.colorG);
    element->SetAttribute("colorB", item.colorB);
    element->SetAttribute("transparentNum", item.transparentNum);
}

CustomLedItemInfo readLedItem(const TiXmlElement *element)
{
    CustomLedItemInfo item;
    copyAttribute(item.keyCode, element, "keyCode");
    copyAttribute(item.codeName, element, "codeName");
    copyNumber(&item.indexX, element, "indexX");
    copyNumber(&item.indexY, element, "indexY");
    copyNumber(&item.colorR, element, "colorR");
    copyNumber(&item.colorG, element, "colorG");
    copyNumber(&item.colorB, element, "colorB");
    copyNumber(&item.transparentNum, element, "transparentNum");
    return item;
}

// Appends read(child) for every child element of the parent; nothing when there is no parent.
template <class T, class Read>
void appendChildren(QList<T> *list, const TiXmlElement *parent, Read read)
{
    if (!parent)
        return;
    for (const TiXmlElement *child = parent->FirstChildElement(); child; child = child->NextSiblingElement())
        list->append(read(child));
}

// ---- Sorted (index, name) lists ----

struct IndexName {
    std::string index;
    std::string name;
    long long number;
};

// Every root child's index and name, first one kept per index text, ascending by the index
// read as a number and then by the index text.
std::vector<IndexName> sortedIndexNames(const TiXmlElement *root)
{
    std::vector<IndexName> pairs;
    std::set<std::string> seen;
    for (const TiXmlElement *child = root->FirstChildElement(); child; child = child->NextSiblingElement()) {
        std::string index = textOf(child->Attribute("index"));
        if (!seen.insert(index).second)
            continue;
        const long long number = recordNumber(index.c_str());
        pairs.push_back({std::move(index), textOf(child->Attribute("name")), number});
    }
    std::sort(pairs.begin(), pairs.end(), [](const IndexName &a, const IndexName &b) {
        return a.number != b.number ? a.number < b.number : a.index < b.index;
    });
    return pairs;
}

QList<IndexNameInfo> toIndexNameList(const std::vector<IndexName> &pairs)
{
    QList<IndexNameInfo> list;
    list.reserve(int(pairs.size()));
    for (const IndexName &pair : pairs) {
        IndexNameInfo info;
        setRecordText(info.index, pair.index.c_str());
        setRecordText(info.name, pair.name.c_str());
        list.append(info);
    }
    return list;
}

// ---- Document access ----

// Runs f(root) on the parsed file; false (and f not run) when there is no root element.
template <class F>
bool withRoot(XmlDocumentCache &cache, const char *path, F &&f)
{
    const std::shared_ptr<const TiXmlDocument> document = cache.load(pathOf(path));
    const TiXmlElement *root = document ? document->RootElement() : nullptr;
    if (!root)
        return false;
    f(root);
    return true;
}

// Runs f(profile) on the profile named by its index; false when there is none.
template <class F>
bool withProfile(XmlDocumentCache &cache, const char *path, const char *profileKey, F &&f)
{
    bool found = false;
    withRoot(cache, path, [&](const TiXmlElement *root) {
        if (const TiXmlElement *profile = profileOf(root, profileKey)) {
            found = true;
            f(profile);
        }
    });
    return found;
}

// Runs f(root) on a copy of the parsed file and saves it when f returns true.
template <class F>
bool editRoot(XmlDocumentCache &cache, const char *path, F &&f)
{
    return cache.modify(pathOf(path), [&](TiXmlDocument &document) {
        TiXmlElement *root = document.RootElement();
        return root && f(root);
    });
}

// Runs f(profile) on the profile named by its index and saves when f returns true.
// Many calls set what the profile holds already (a load echoes the values it read): f runs on a copy
// of that profile first, and when it changes nothing the whole document is neither copied nor
// compared, and the file is left as it is. f must act on the profile alone, the same way each time.
template <class F>
bool editProfile(XmlDocumentCache &cache, const char *path, const char *profileKey, F &&f)
{
    bool held = false;
    withProfile(cache, path, profileKey, [&](const TiXmlElement *profile) {
        const std::unique_ptr<TiXmlNode> trial(profile->Clone());
        held = f(trial->ToElement()) && sameXmlTree(*trial, *profile);
    });
    if (held)
        return true;
    return editRoot(cache, path, [&](TiXmlElement *root) {
        TiXmlElement *profile = profileOf(root, profileKey);
        return profile && f(profile);
    });
}

// What a profile holds: each element by its path below the root, with the attributes the
// program reads and writes on it. An import keeps these and drops everything else.
struct KnownElement {
    const char *path;
    std::vector<const char *> attributes;
};

const std::vector<KnownElement> &knownProfileElements()
{
    static const std::vector<KnownElement> known = [] {
        std::vector<const char *> light;
        for (const NumberField<colorInfoData> &f : kLightFields)
            light.push_back(f.name);
        std::vector<const char *> color;
        for (const NumberField<CustomColorInfo> &f : kColorFields)
            color.push_back(f.name);
        std::vector<const char *> dpi;
        for (const NumberField<DpiItemInfo> &f : kDpiFields)
            dpi.push_back(f.name);
        const std::vector<const char *> zone = {"usingIndex", "ledOpenOrClose", "SynchronizeStatus", "linkStatus"};
        return std::vector<KnownElement>{
            {"config", {"index", "name", "proFileAppName", "proFileAppIco"}},
            {"config/light0", zone},
            {"config/light1", zone},
            {"config/light2", zone},
            {"config/light0/item", light},
            {"config/light1/item", light},
            {"config/light2/item", light},
            {"config/customColor", {}},
            {"config/customColor/item", color},
            {"config/customLight", {}},
            {"config/customLight/customLed", {"index", "name", "isUsing", "usingFlagIndex"}},
            {"config/customLight/customLed/item",
             {"keyCode", "codeName", "indexX", "indexY", "colorR", "colorG", "colorB", "transparentNum"}},
            {"config/ribbon", {}},
            {"config/onboardBinding", {}},
            {"config/macro", {}},
            {"config/macro/item", {"keyCode", "keyChar", "operateType", "repeatNum", "mode", "Value"}},
            {"config/dpi", {"usingIndex"}},
            {"config/dpi/item", dpi},
            {"config/function", {}},
            {"config/function/Setting", {"feature1", "feature2", "feature3", "feature4"}},
            {"config/bindMacro", {}},
            {"config/bindMacro/macro", {"index", "name"}},
            {"config/bindMacro/macro/item", {"mark", "delay", "type", "keyCode", "codeName", "operateExplain"}},
        };
    }();
    return known;
}

const KnownElement *knownElement(const std::string &path)
{
    for (const KnownElement &element : knownProfileElements()) {
        if (path == element.path)
            return &element;
    }
    return nullptr;
}

// Keeps, below the element at the path, only the known elements and attributes.
void keepKnown(TiXmlElement *element, const KnownElement &known, const std::string &path)
{
    std::vector<std::string> dropped;
    for (const TiXmlAttribute *a = element->FirstAttribute(); a; a = a->Next()) {
        const bool kept = std::any_of(known.attributes.begin(), known.attributes.end(),
                                      [&](const char *name) { return std::strcmp(name, a->Name()) == 0; });
        if (!kept)
            dropped.push_back(a->Name());
    }
    for (const std::string &name : dropped)
        element->RemoveAttribute(name.c_str());

    TiXmlNode *child = element->FirstChild();
    while (child) {
        TiXmlNode *next = child->NextSibling();
        TiXmlElement *childElement = child->ToElement();
        const std::string childPath = childElement ? path + '/' + childElement->Value() : std::string();
        const KnownElement *childKnown = childElement ? knownElement(childPath) : nullptr;
        if (childKnown)
            keepKnown(childElement, *childKnown, childPath);
        else
            element->RemoveChild(child);
        child = next;
    }
}

// A profile taken from a file made elsewhere, cut down to what a profile holds; null when the
// element is no profile (a macro of a macro library, say).
std::unique_ptr<TiXmlElement> importedProfile(std::unique_ptr<TiXmlElement> copy)
{
    if (!copy || std::strcmp(copy->Value(), "config") != 0)
        return nullptr;
    keepKnown(copy.get(), *knownElement("config"), "config");
    if (const char *name = copy->Attribute("name")) {
        const QString cleaned = NameText::cleaned(QString::fromUtf8(name));
        copy->SetAttribute("name", cleaned.toUtf8().constData());
    }
    return copy;
}

TiXmlDocument newProfileDocument()
{
    TiXmlDocument document;
    document.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", ""));
    auto *root = new TiXmlElement("Parameters");
    root->SetAttribute("profileIndex", "1");
    document.LinkEndChild(root);
    return document;
}

TiXmlElement *appendMacro(TiXmlElement *root, const char *index, const char *name, const QList<MacroEventInfo> &steps)
{
    TiXmlElement *macro = appendElement(root, "macro");
    macro->SetAttribute("index", textOf(index));
    macro->SetAttribute("name", textOf(name));
    for (const MacroEventInfo &step : steps)
        writeStep(macro, step);
    return macro;
}

// A copy of the profile named by its index in the file; null when there is none.
std::unique_ptr<TiXmlElement> cloneProfile(XmlDocumentCache &cache, const char *path, const char *profileKey)
{
    std::unique_ptr<TiXmlElement> copy;
    withProfile(cache, path, profileKey,
                [&](const TiXmlElement *profile) { copy.reset(static_cast<TiXmlElement *>(profile->Clone())); });
    return copy;
}

}  // namespace

// ============================================================================================

xmlInterface::xmlInterface()
    : QObject(nullptr)
    , m_cache(std::make_unique<XmlDocumentCache>())
{
    m_cache->setRefusalHandler([this](const QString &path, const QString &reason) {
        RefusedFile file;
        file.path = path;
        file.reason = reason;
        addRefused(file);
    });
}

xmlInterface::~xmlInterface()
{
    m_cache->setRefusalHandler(nullptr);
}

// ---- Files the store would not read ----

QList<xmlInterface::RefusedFile> xmlInterface::refusedFiles() const
{
    std::lock_guard<std::mutex> locker(m_refusedMutex);
    return m_refused;
}

void xmlInterface::noteSetAside(const QString &path, const QString &asidePath)
{
    RefusedFile file;
    file.path = path;
    file.reason = QStringLiteral("it could not be read and was set aside");
    file.asidePath = asidePath;
    addRefused(file);
}

void xmlInterface::setLogWriter(std::function<void(const QString &line)> writer)
{
    std::lock_guard<std::mutex> locker(m_refusedMutex);
    m_logWriter = std::move(writer);
}

void xmlInterface::addRefused(const RefusedFile &file)
{
    std::function<void(const QString &)> writer;
    bool known = false;
    {
        std::lock_guard<std::mutex> locker(m_refusedMutex);
        for (const RefusedFile &listed : qAsConst(m_refused))
            known = known || (listed.path == file.path && listed.asidePath == file.asidePath);
        if (!known)
            m_refused.append(file);
        writer = m_logWriter;
    }
    // Every refusal goes to the log; the list names each file once.
    QString line = QStringLiteral("-------------------- *** XML file not read: %1: %2").arg(file.path, file.reason);
    if (!file.asidePath.isEmpty())
        line += QStringLiteral(" (kept as %1)").arg(file.asidePath);
    if (writer)
        writer(line + QStringLiteral(" *** --------------------"));
    if (!known)
        emit sigFileRefused(file.path);
}

// ---- Documents and lookups ----

bool xmlInterface::createXmlFile(const char *path)
{
    return m_cache->create(pathOf(path), newProfileDocument());
}

XmlFoundNode xmlInterface::findNodeByValue(const char *path, const char *key)
{
    const std::shared_ptr<const TiXmlDocument> shared = m_cache->load(pathOf(path));
    if (!shared || !childByAttribute(shared->RootElement(), "index", key))
        return XmlFoundNode();
    auto document = std::make_unique<TiXmlDocument>(*shared);
    TiXmlElement *element = childByAttribute(document->RootElement(), "index", key);
    return XmlFoundNode(std::move(document), element);
}

bool xmlInterface::deleteNodeByValue(const char *path, const char *key)
{
    return editRoot(*m_cache, path, [&](TiXmlElement *root) {
        TiXmlElement *child = childByAttribute(root, "index", key);
        return !child || root->RemoveChild(child);
    });
}

bool xmlInterface::renameNode(const char *path, const char *key, const char *name)
{
    return editRoot(*m_cache, path, [&](TiXmlElement *root) {
        TiXmlElement *child = childByAttribute(root, "index", key);
        if (!child)
            return false;
        child->SetAttribute("name", textOf(name));
        return true;
    });
}

void xmlInterface::getNodeIndexName(const char *path, const char *key, NodeIndexName *info)
{
    if (!info)
        return;
    withRoot(*m_cache, path, [&](const TiXmlElement *root) {
        const TiXmlElement *child = childByAttribute(root, "index", key);
        if (!child)
            return;
        for (const TiXmlAttribute *a = child->FirstAttribute(); a; a = a->Next()) {
            if (std::strcmp(a->Name(), "index") != 0)
                continue;
            info->index = recordNumber(a->Value());
            if (const TiXmlAttribute *next = a->Next())
                setRecordText(info->name, next->Value());
            break;
        }
    });
}

// ---- Profiles ----

int xmlInterface::getProfileIndex(const char *path)
{
    int index = 1;
    withRoot(*m_cache, path, [&](const TiXmlElement *root) {
        if (const char *value = root->Attribute("profileIndex"))
            index = recordNumber(value);
    });
    return index;
}

bool xmlInterface::setProfileIndex(const char *path, int index)
{
    return editRoot(*m_cache, path, [&](TiXmlElement *root) {
        root->SetAttribute("profileIndex", index);
        return true;
    });
}

bool xmlInterface::addProfileConfig(const char *path, const char *index, const char *name, const char *proFileAppName,
                                    const char *proFileAppIco, int deviceType)
{
    return editRoot(*m_cache, path, [&](TiXmlElement *root) {
        TiXmlElement *config = appendElement(root, "config");
        config->SetAttribute("index", textOf(index));
        config->SetAttribute("name", textOf(name));
        config->SetAttribute("proFileAppName", textOf(proFileAppName));
        config->SetAttribute("proFileAppIco", textOf(proFileAppIco));

        TiXmlElement *light0 = appendElement(config, "light0");
        light0->SetAttribute("usingIndex", "2");
        light0->SetAttribute("ledOpenOrClose", "0");
        light0->SetAttribute("SynchronizeStatus", "0");
        for (const char *zone : {"light1", "light2"}) {
            TiXmlElement *light = appendElement(config, zone);
            light->SetAttribute("usingIndex", "2");
            if (deviceType == 1)
                light->SetAttribute("linkStatus", "0");
        }
        for (const char *section : {"customColor", "customLight", "ribbon", "onboardBinding", "macro", "dpi"})
            appendElement(config, section);
        TiXmlElement *setting = appendElement(appendElement(config, "function"), "Setting");
        setting->SetAttribute("feature1", "0");
        setting->SetAttribute("feature2", "0");
        setting->SetAttribute("feature3", "0");
        setting->SetAttribute("feature4", "1");
        appendElement(config, "bindMacro");
        return true;
    });
}

void xmlInterface::getProfileList(const char *path, QList<IndexNameInfo> *list)
{
    if (!list)
        return;
    withRoot(*m_cache, path, [&](const TiXmlElement *root) { *list = toIndexNameList(sortedIndexNames(root)); });
}

void xmlInterface::getProfileInfo(const char *path, const char *profileKey, ProfileConfigInfo *info)
{
    if (!info)
        return;
    withProfile(*m_cache, path, profileKey, [&](const TiXmlElement *profile) {
        copyAttribute(info->index, profile, "index");
        copyAttribute(info->name, profile, "name");
        copyAttribute(info->proFileAppName, profile, "proFileAppName");
        copyAttribute(info->proFileAppIco, profile, "proFileAppIco");
    });
}

bool xmlInterface::setProfileInfo(const char *path, const char *profileKey, const char *name,
                                  const char *proFileAppName, const char *proFileAppIco)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        profile->SetAttribute("name", textOf(name));
        profile->SetAttribute("proFileAppName", textOf(proFileAppName));
        profile->SetAttribute("proFileAppIco", textOf(proFileAppIco));
        return true;
    });
}

// ---- Key assignments ----

bool xmlInterface::addKeyMapItem(const char *path, const char *profileKey, const char *keyCode, const char *keyChar,
                                 const char *operateType, const char *repeatNum, const char *mode, const char *Value)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *section = childByName(profile, "macro");
        if (!section)
            return false;
        appendKeyMapItem(section, keyCode, keyChar, operateType, repeatNum, mode, Value);
        return true;
    });
}

bool xmlInterface::deleteKeyMapItem(const char *path, const char *profileKey, const char *keyCode)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *section = childByName(profile, "macro");
        if (!section)
            return false;
        TiXmlElement *item = childByAttribute(section, "keyCode", keyCode);
        return !item || section->RemoveChild(item);
    });
}

bool xmlInterface::replaceKeyMapItem(const char *path, const char *profileKey, const char *keyCode, const char *keyChar,
                                     const char *operateType, const char *repeatNum, const char *mode,
                                     const char *Value)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *section = childByName(profile, "macro");
        if (!section)
            return false;
        if (TiXmlElement *old = childByAttribute(section, "keyCode", keyCode))
            section->RemoveChild(old);
        appendKeyMapItem(section, keyCode, keyChar, operateType, repeatNum, mode, Value);
        return true;
    });
}

void xmlInterface::getKeyMapItems(const char *path, const char *profileKey, const char *keyCode, CustomKeyInfo *info)
{
    if (!info)
        return;
    withProfile(*m_cache, path, profileKey, [&](const TiXmlElement *profile) {
        const TiXmlElement *item = childByAttribute(childByName(profile, "macro"), "keyCode", keyCode);
        if (!item)
            return;
        copyAttribute(info->keyCode, item, "keyCode");
        copyAttribute(info->keyChar, item, "keyChar");
        copyAttribute(info->operateType, item, "operateType");
        copyAttribute(info->repeatNum, item, "repeatNum");
        copyAttribute(info->mode, item, "mode");
        copyAttribute(info->Value, item, "Value");
    });
}

void xmlInterface::getKeyMapCodes(const char *path, const char *profileKey, QStringList *codes)
{
    if (!codes)
        return;
    withProfile(*m_cache, path, profileKey, [&](const TiXmlElement *profile) {
        const TiXmlElement *section = childByName(profile, "macro");
        if (!section)
            return;
        for (const TiXmlElement *item = section->FirstChildElement(); item; item = item->NextSiblingElement()) {
            if (const char *code = item->Attribute("keyCode"))
                codes->append(QString::fromUtf8(code));
        }
    });
}

bool xmlInterface::hasKeyMapItem(const char *path, const char *profileKey, const char *keyCode)
{
    bool found = false;
    withProfile(*m_cache, path, profileKey, [&](const TiXmlElement *profile) {
        found = childByAttribute(childByName(profile, "macro"), "keyCode", keyCode) != nullptr;
    });
    return found;
}

int xmlInterface::getKeyMapValue(const char *path, const char *profileKey, const char *macroIndex)
{
    int count = -1;
    withProfile(*m_cache, path, profileKey, [&](const TiXmlElement *profile) {
        count = 0;
        const TiXmlElement *section = childByName(profile, "macro");
        if (!section)
            return;
        const char *wanted = textOf(macroIndex);
        for (const TiXmlElement *item = section->FirstChildElement(); item; item = item->NextSiblingElement()) {
            // A macro binding: operateType "1", then a Value equal to the macro's index.
            bool isMacro = false;
            for (const TiXmlAttribute *a = item->FirstAttribute(); a; a = a->Next()) {
                if (std::strcmp(a->Name(), "operateType") == 0 && std::strcmp(a->Value(), "1") == 0) {
                    isMacro = true;
                } else if (isMacro && std::strcmp(a->Name(), "Value") == 0 && std::strcmp(a->Value(), wanted) == 0) {
                    ++count;
                    isMacro = false;
                }
            }
        }
    });
    return count;
}

// ---- Bound macros ----

bool xmlInterface::addBindMacro(const char *path, const char *profileKey, const QList<MacroEventInfo> &steps,
                                const char *macroIndex, const char *name)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *section = childByName(profile, "bindMacro");
        if (!section)
            return false;
        TiXmlElement *macro = appendElement(section, "macro");
        macro->SetAttribute("index", textOf(macroIndex));
        macro->SetAttribute("name", textOf(name));
        for (const MacroEventInfo &step : steps)
            writeStep(macro, step);
        return true;
    });
}

bool xmlInterface::deleteBindMacro(const char *path, const char *profileKey, const char *macroKey)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *section = childByName(profile, "bindMacro");
        if (!section)
            return false;
        TiXmlElement *macro = childByAttribute(section, "index", macroKey);
        return !macro || section->RemoveChild(macro);
    });
}

void xmlInterface::getBindMacroItems(const char *path, const char *profileKey, const char *macroKey,
                                     QList<MacroEventInfo> *steps)
{
    if (!steps)
        return;
    withProfile(*m_cache, path, profileKey, [&](const TiXmlElement *profile) {
        const TiXmlElement *macro = childByAttribute(childByName(profile, "bindMacro"), "index", macroKey);
        if (!macro)
            return;
        for (const TiXmlElement *item = macro->FirstChildElement("item"); item; item = item->NextSiblingElement("item"))
            steps->append(readStep(item));
    });
}

// ---- Copies between files ----

int xmlInterface::exportProfile(const char *sourcePath, const char *targetPath, const char *profileKey, bool nextIndex)
{
    const std::unique_ptr<TiXmlElement> copy = cloneProfile(*m_cache, sourcePath, profileKey);
    if (!copy)
        return 0;
    if (nextIndex) {
        // Held at the limit: a key beyond 64 bits must not overflow.
        const long long key = toNumber64(profileKey);
        copy->SetAttribute("index", std::to_string(key < LLONG_MAX ? key + 1 : key).c_str());
    }
    const bool written = editRoot(*m_cache, targetPath, [&](TiXmlElement *root) {
        root->InsertEndChild(*copy);
        return true;
    });
    return written ? 1 : 0;
}

int xmlInterface::exportProfilesTo(const char *targetPath, const QList<ExportedProfile> &profiles, bool fresh)
{
    std::vector<std::unique_ptr<TiXmlElement>> copies;
    for (const ExportedProfile &profile : profiles) {
        std::unique_ptr<TiXmlElement> copy =
            cloneProfile(*m_cache, profile.sourcePath.constData(), profile.profileKey.constData());
        if (!copy)
            return 0;
        if (profile.nextIndex) {
            const long long key = toNumber64(profile.profileKey.constData());
            copy->SetAttribute("index", std::to_string(key < LLONG_MAX ? key + 1 : key).c_str());
        }
        copies.push_back(std::move(copy));
    }
    const auto append = [&](TiXmlElement *root) {
        for (const std::unique_ptr<TiXmlElement> &copy : copies)
            root->InsertEndChild(*copy);
        return true;
    };
    const TiXmlDocument empty = newProfileDocument();
    bool written = false;
    if (fresh) {
        TiXmlDocument document = empty;
        append(document.RootElement());
        written = m_cache->create(pathOf(targetPath), document);
    } else {
        written = m_cache->modifyOrCreate(pathOf(targetPath), empty, [&](TiXmlDocument &document) {
            TiXmlElement *root = document.RootElement();
            return root && append(root);
        });
    }
    return written ? 1 : 0;
}

int xmlInterface::importProfile(const char *targetPath, const char *sourcePath, const char *profileKey)
{
    const std::unique_ptr<TiXmlElement> copy = importedProfile(cloneProfile(*m_cache, sourcePath, profileKey));
    if (!copy) {
        qCWarning(lcData) << "XML store: no profile to import in" << pathOf(sourcePath);
        return 0;
    }
    const bool written = editRoot(*m_cache, targetPath, [&](TiXmlElement *root) {
        const std::vector<IndexName> list = sortedIndexNames(root);
        long long highest = -1;
        if (!list.empty())
            highest = std::max(highest, list.back().number);
        if (highest >= INT_MAX) {
            qCWarning(lcData) << "XML store: no index left after" << highest << "in" << pathOf(targetPath);
            return false;
        }
        copy->SetAttribute("index", std::to_string(highest + 1).c_str());
        root->InsertEndChild(*copy);
        return true;
    });
    return written ? 1 : 0;
}

bool xmlInterface::importProfileWithIndex(const char *targetPath, int index, const char *sourcePath,
                                          const char *profileKey)
{
    const std::unique_ptr<TiXmlElement> copy = importedProfile(cloneProfile(*m_cache, sourcePath, profileKey));
    if (!copy) {
        qCWarning(lcData) << "XML store: no profile to import in" << pathOf(sourcePath);
        return false;
    }
    copy->SetAttribute("index", index);
    return editRoot(*m_cache, targetPath, [&](TiXmlElement *root) {
        root->InsertEndChild(*copy);
        return true;
    });
}

bool xmlInterface::copyProfileWithIndex(const char *targetPath, int index, const char *sourcePath,
                                        const char *profileKey)
{
    const std::unique_ptr<TiXmlElement> copy = cloneProfile(*m_cache, sourcePath, profileKey);
    if (!copy)
        return false;
    copy->SetAttribute("index", index);
    return editRoot(*m_cache, targetPath, [&](TiXmlElement *root) {
        root->InsertEndChild(*copy);
        return true;
    });
}

bool xmlInterface::replaceProfile(const char *targetPath, const char *sourcePath, const char *profileKey)
{
    const std::unique_ptr<TiXmlElement> copy = cloneProfile(*m_cache, sourcePath, profileKey);
    if (!copy)
        return false;
    return editRoot(*m_cache, targetPath, [&](TiXmlElement *root) {
        TiXmlElement *old = childByAttribute(root, "index", profileKey);
        if (!old || !root->RemoveChild(old))
            return false;
        root->InsertEndChild(*copy);
        return true;
    });
}

// ---- Lighting ----

bool xmlInterface::addLightItem(const char *path, const char *profileKey, colorInfoData data)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *zone = zoneOf(profile, data.ledKeyboardOrSide);
        if (!zone)
            return false;
        writeNumbers(appendElement(zone, "item"), data, kLightFields);
        return true;
    });
}

bool xmlInterface::getLightItem(const char *path, const char *profileKey, int zone, int ledType, colorInfoData *data)
{
    bool found = false;
    withProfile(*m_cache, path, profileKey, [&](const TiXmlElement *profile) {
        const TiXmlElement *item = childByNumber(zoneOf(profile, zone), "ledType", ledType);
        if (!item)
            return;
        found = true;
        if (data)
            readNumbers(data, item, kLightFields);
    });
    return found;
}

bool xmlInterface::modifyLightItem(const char *path, const char *profileKey, int zone, int ledType, colorInfoData data)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *item = childByNumber(zoneOf(profile, zone), "ledType", ledType);
        if (!item)
            return false;
        writeNumbers(item, data, kLightFields);
        return true;
    });
}

bool xmlInterface::hasLightItem(const char *path, const char *profileKey, int zone, int ledType)
{
    return getLightItem(path, profileKey, zone, ledType, nullptr);
}

bool xmlInterface::setLightItemSwitch(const char *path, const char *profileKey, int zone, int ledType, int onOff)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *item = childByNumber(zoneOf(profile, zone), "ledType", ledType);
        if (!item)
            return false;
        item->SetAttribute("ledOpenOrClose", onOff);
        return true;
    });
}

namespace {

int readZoneAttribute(XmlDocumentCache &cache, const char *path, const char *profileKey, int zone, const char *name,
                      int fallback)
{
    int result = fallback;
    withProfile(cache, path, profileKey, [&](const TiXmlElement *profile) {
        if (const TiXmlElement *element = zoneOf(profile, zone)) {
            if (const char *value = element->Attribute(name))
                result = recordNumber(value);
        }
    });
    return result;
}

bool writeZoneAttribute(XmlDocumentCache &cache, const char *path, const char *profileKey, int zone, const char *name,
                        int value)
{
    return editProfile(cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *element = zoneOf(profile, zone);
        if (!element)
            return false;
        element->SetAttribute(name, value);
        return true;
    });
}

}  // namespace

int xmlInterface::getLightSwitch(const char *path, const char *profileKey)
{
    return readZoneAttribute(*m_cache, path, profileKey, 0, "ledOpenOrClose", 0);
}

bool xmlInterface::setLightSwitch(const char *path, const char *profileKey, int value)
{
    return writeZoneAttribute(*m_cache, path, profileKey, 0, "ledOpenOrClose", value);
}

int xmlInterface::getSynchronizeStatus(const char *path, const char *profileKey)
{
    return readZoneAttribute(*m_cache, path, profileKey, 0, "SynchronizeStatus", 0);
}

bool xmlInterface::setSynchronizeStatus(const char *path, const char *profileKey, int value)
{
    return writeZoneAttribute(*m_cache, path, profileKey, 0, "SynchronizeStatus", value);
}

int xmlInterface::getLightUsingIndex(const char *path, const char *profileKey, int zone)
{
    return readZoneAttribute(*m_cache, path, profileKey, zone, "usingIndex", 1);
}

bool xmlInterface::setLightUsingIndex(const char *path, const char *profileKey, int zone, int value)
{
    return writeZoneAttribute(*m_cache, path, profileKey, zone, "usingIndex", value);
}

int xmlInterface::getLinkStatus(const char *path, const char *profileKey, int zone)
{
    return readZoneAttribute(*m_cache, path, profileKey, zone, "linkStatus", 0);
}

bool xmlInterface::setLinkStatus(const char *path, const char *profileKey, int zone, int value)
{
    return writeZoneAttribute(*m_cache, path, profileKey, zone, "linkStatus", value);
}

// ---- Colour swatches ----

bool xmlInterface::addCustomColor(const char *path, const char *profileKey, CustomColorInfo color)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *section = childByName(profile, "customColor");
        if (!section)
            return false;
        writeNumbers(appendElement(section, "item"), color, kColorFields);
        return true;
    });
}

void xmlInterface::getCustomColors(const char *path, const char *profileKey, QList<CustomColorInfo> *colors)
{
    if (!colors)
        return;
    withProfile(*m_cache, path, profileKey, [&](const TiXmlElement *profile) {
        appendChildren(colors, childByName(profile, "customColor"), [](const TiXmlElement *item) {
            CustomColorInfo color;
            readNumbers(&color, item, kColorFields);
            return color;
        });
    });
}

bool xmlInterface::deleteCustomColor(const char *path, const char *profileKey, const char *index)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *section = childByName(profile, "customColor");
        if (!section)
            return false;
        TiXmlElement *item = childByAttribute(section, "index", index);
        return !item || section->RemoveChild(item);
    });
}

// ---- Custom per-key lightings ----

bool xmlInterface::addCustomLed(const char *path, const char *profileKey, const char *index, const char *name,
                                const char *isUsing, int usingFlagIndex)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *section = childByName(profile, "customLight");
        if (!section)
            return false;
        TiXmlElement *led = appendElement(section, "customLed");
        led->SetAttribute("index", textOf(index));
        led->SetAttribute("name", textOf(name));
        led->SetAttribute("isUsing", textOf(isUsing));
        led->SetAttribute("usingFlagIndex", usingFlagIndex);
        return true;
    });
}

bool xmlInterface::addCustomLedItems(const char *path, const char *profileKey, const char *ledIndex,
                                     CustomLedItemInfo item)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *led = customLedOf(profile, ledIndex);
        if (!led)
            return false;
        writeLedItem(led, item);
        return true;
    });
}

void xmlInterface::getCustomLeds(const char *path, const char *profileKey, QList<CustomLedInfo> *leds)
{
    if (!leds)
        return;
    withProfile(*m_cache, path, profileKey, [&](const TiXmlElement *profile) {
        appendChildren(leds, childByName(profile, "customLight"), [](const TiXmlElement *element) {
            CustomLedInfo led;
            copyAttribute(led.index, element, "index");
            copyAttribute(led.name, element, "name");
            copyAttribute(led.isUsing, element, "isUsing");
            copyNumber(&led.usingFlagIndex, element, "usingFlagIndex");
            return led;
        });
    });
}

void xmlInterface::getCustomLedItems(const char *path, const char *profileKey, const char *ledIndex,
                                     QList<CustomLedItemInfo> *items)
{
    if (!items)
        return;
    withProfile(*m_cache, path, profileKey, [&](const TiXmlElement *profile) {
        appendChildren(items, customLedOf(profile, ledIndex), readLedItem);
    });
}

bool xmlInterface::renameCustomLed(const char *path, const char *profileKey, const char *ledIndex, const char *name)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *led = customLedOf(profile, ledIndex);
        if (!led)
            return false;
        led->SetAttribute("name", textOf(name));
        return true;
    });
}

bool xmlInterface::setCustomLedUsing(const char *path, const char *profileKey, const char *ledIndex,
                                     const char *isUsing, int usingFlagIndex)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *led = customLedOf(profile, ledIndex);
        if (!led)
            return false;
        led->SetAttribute("isUsing", textOf(isUsing));
        led->SetAttribute("usingFlagIndex", usingFlagIndex);
        return true;
    });
}

int xmlInterface::findCustomLedByFlag(const char *path, const char *profileKey)
{
    int result = -1;
    withProfile(*m_cache, path, profileKey, [&](const TiXmlElement *profile) {
        const TiXmlElement *section = childByName(profile, "customLight");
        if (!section)
            return;
        // The candidate is the last `index` met; a flag of 0 or 1 after it ends the search.
        int candidate = -1;
        for (const TiXmlElement *led = section->FirstChildElement(); led; led = led->NextSiblingElement()) {
            for (const TiXmlAttribute *a = led->FirstAttribute(); a; a = a->Next()) {
                if (std::strcmp(a->Name(), "index") == 0) {
                    candidate = recordNumber(a->Value());
                } else if (std::strcmp(a->Name(), "usingFlagIndex") == 0) {
                    const int flag = recordNumber(a->Value());
                    if (flag == 0 || flag == 1) {
                        result = candidate;
                        return;
                    }
                }
            }
        }
    });
    return result;
}

bool xmlInterface::deleteCustomLed(const char *path, const char *profileKey, const char *ledIndex)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *led = customLedOf(profile, ledIndex);
        if (!led)
            return false;
        led->Clear();
        return true;
    });
}

// ---- DPI levels ----

bool xmlInterface::setDpiUsingIndex(const char *path, const char *profileKey, int level)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *dpi = childByName(profile, "dpi");
        if (!dpi)
            return false;
        dpi->SetAttribute("usingIndex", level);
        return true;
    });
}

bool xmlInterface::updateDpiUsingIndex(const char *path, const char *profileKey, int level)
{
    return setDpiUsingIndex(path, profileKey, level);
}

int xmlInterface::getDpiUsingIndex(const char *path, const char *profileKey)
{
    int level = 1;
    withProfile(*m_cache, path, profileKey, [&](const TiXmlElement *profile) {
        if (const TiXmlElement *dpi = childByName(profile, "dpi")) {
            if (const char *value = dpi->Attribute("usingIndex"))
                level = recordNumber(value);
        }
    });
    return level;
}

bool xmlInterface::addDpiItem(const char *path, const char *profileKey, DpiItemInfo item)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *dpi = childByName(profile, "dpi");
        if (!dpi)
            return false;
        writeNumbers(appendElement(dpi, "item"), item, kDpiFields);
        return true;
    });
}

void xmlInterface::getDpiItems(const char *path, const char *profileKey, QList<DpiItemInfo> *items)
{
    if (!items)
        return;
    withProfile(*m_cache, path, profileKey, [&](const TiXmlElement *profile) {
        appendChildren(items, childByName(profile, "dpi"), [](const TiXmlElement *element) {
            DpiItemInfo item;
            readNumbers(&item, element, kDpiFields);
            return item;
        });
    });
}

bool xmlInterface::modifyDpiItem(const char *path, const char *profileKey, int index, DpiItemInfo item)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *element = childByNumber(childByName(profile, "dpi"), "index", index);
        if (!element)
            return false;
        writeNumbers(element, item, kDpiFields);
        return true;
    });
}

// ---- Function switches ----

bool xmlInterface::setFunctionSetting(const char *path, const char *profileKey, const char *feature1,
                                      const char *feature2, const char *feature3, const char *feature4)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *function = childByName(profile, "function");
        if (!function)
            return false;
        TiXmlElement *old = function->FirstChildElement();
        TiXmlElement *setting = appendElement(function, "Setting");
        setting->SetAttribute("feature1", textOf(feature1));
        setting->SetAttribute("feature2", textOf(feature2));
        setting->SetAttribute("feature3", textOf(feature3));
        setting->SetAttribute("feature4", textOf(feature4));
        if (old)
            function->RemoveChild(old);
        return true;
    });
}

void xmlInterface::getFunctionSetting(const char *path, const char *profileKey, FunctionSetting *setting)
{
    if (!setting)
        return;
    withProfile(*m_cache, path, profileKey, [&](const TiXmlElement *profile) {
        const TiXmlElement *function = childByName(profile, "function");
        const TiXmlElement *first = function ? function->FirstChildElement() : nullptr;
        if (!first)
            return;
        copyAttribute(setting->feature1, first, "feature1");
        copyAttribute(setting->feature2, first, "feature2");
        copyAttribute(setting->feature3, first, "feature3");
        copyAttribute(setting->feature4, first, "feature4");
    });
}

int xmlInterface::getFeature(const char *path, const char *profileKey, int n)
{
    if (n < 0 || n > 3)
        return 0;
    int value = 0;
    withProfile(*m_cache, path, profileKey, [&](const TiXmlElement *profile) {
        const TiXmlElement *function = childByName(profile, "function");
        if (!function)
            return;
        for (const TiXmlElement *child = function->FirstChildElement(); child; child = child->NextSiblingElement()) {
            if (const char *text = child->Attribute(kFeatureNames[n])) {
                value = recordNumber(text);
                return;
            }
        }
    });
    return value;
}

bool xmlInterface::setFeature(const char *path, const char *profileKey, int n, int value)
{
    return editProfile(*m_cache, path, profileKey, [&](TiXmlElement *profile) {
        TiXmlElement *function = childByName(profile, "function");
        if (!function || n < 0 || n > 3)
            return false;
        for (TiXmlElement *child = function->FirstChildElement(); child; child = child->NextSiblingElement()) {
            if (child->Attribute(kFeatureNames[n])) {
                child->SetAttribute(kFeatureNames[n], value);
                return true;
            }
        }
        return false;
    });
}

// ---- Macro library ----

bool xmlInterface::addMacroNode(const char *path, const char *index, const char *name)
{
    return editRoot(*m_cache, path, [&](TiXmlElement *root) {
        appendMacro(root, index, name, {});
        return true;
    });
}

bool xmlInterface::addMacroWithItems(const char *path, const char *index, const char *name,
                                     const QList<MacroEventInfo> &steps)
{
    return editRoot(*m_cache, path, [&](TiXmlElement *root) {
        if (childByAttribute(root, "index", index))
            return false;
        appendMacro(root, index, name, steps);
        return true;
    });
}

bool xmlInterface::writeMacroFile(const char *path, const char *index, const char *name,
                                  const QList<MacroEventInfo> &steps)
{
    TiXmlDocument document = newProfileDocument();
    appendMacro(document.RootElement(), index, name, steps);
    return m_cache->create(pathOf(path), document);
}

bool xmlInterface::addMacroItems(const char *path, const QList<MacroEventInfo> &steps, const char *macroKey)
{
    return editRoot(*m_cache, path, [&](TiXmlElement *root) {
        TiXmlElement *macro = childByAttribute(root, "index", macroKey);
        if (!macro)
            return false;
        for (const MacroEventInfo &step : steps)
            writeStep(macro, step);
        return true;
    });
}

void xmlInterface::getMacroList(const char *path, QList<IndexNameInfo> *list)
{
    getProfileList(path, list);
}

void xmlInterface::getMacroItems(const char *path, const char *macroKey, QList<MacroEventInfo> *steps)
{
    if (!steps)
        return;
    withRoot(*m_cache, path, [&](const TiXmlElement *root) {
        appendChildren(steps, childByAttribute(root, "index", macroKey), readStep);
    });
}

bool xmlInterface::deleteMacroItemsContaining(const char *path, const char *macroKey, const char *pattern)
{
    return editRoot(*m_cache, path, [&](TiXmlElement *root) {
        TiXmlElement *macro = childByAttribute(root, "index", macroKey);
        if (!macro)
            return false;
        TiXmlElement *step = macro->FirstChildElement();
        while (step) {
            TiXmlElement *next = step->NextSiblingElement();
            if (containsValue(step, pattern))
                macro->RemoveChild(step);
            step = next;
        }
        return true;
    });
}

bool xmlInterface::modifyMacroItem(const char *path, const char *macroKey, const char *mark, int skipFirst,
                                   MacroEventInfo step)
{
    return editRoot(*m_cache, path, [&](TiXmlElement *root) {
        TiXmlElement *macro = childByAttribute(root, "index", macroKey);
        if (!macro)
            return false;
        int skip = skipFirst;
        for (TiXmlElement *item = macro->FirstChildElement(); item; item = item->NextSiblingElement()) {
            if (!bearsValue(item, mark))
                continue;
            if (skip == 1) {
                skip = 0;
                continue;
            }
            item->SetAttribute("delay", recordText(step.delay).constData());
            item->SetAttribute("type", recordText(step.type).constData());
            item->SetAttribute("keyCode", recordText(step.keyCode).constData());
            item->SetAttribute("codeName", recordText(step.codeName).constData());
            return true;
        }
        return false;
    });
}

bool xmlInterface::moveMacroItem(const char *path, const char *macroKey, const char *mark, int up, int second)
{
    return editRoot(*m_cache, path, [&](TiXmlElement *root) {
        TiXmlElement *macro = childByAttribute(root, "index", macroKey);
        if (!macro)
            return false;
        int count = 0;
        bool found = false;
        for (TiXmlElement *item = macro->FirstChildElement(); item; item = item->NextSiblingElement()) {
            if (!bearsValue(item, mark))
                continue;
            ++count;
            const bool candidate = second == 0 || (second == 1 && count >= 2);
            if (!candidate)
                continue;
            found = true;
            TiXmlElement *neighbour = up ? previousSiblingElement(item) : item->NextSiblingElement();
            if (!neighbour)
                continue;  // nothing to pass; a later step bearing the mark may move
            if (up)
                macro->InsertBeforeChild(neighbour, *item);
            else
                macro->InsertAfterChild(neighbour, *item);
            macro->RemoveChild(item);
            return true;
        }
        // A step already at the end it is moved towards stays where it is: nothing to change.
        return found;
    });
}

bool xmlInterface::deleteMacroItemsWithMark(const char *path, const char *macroKey, const char *mark)
{
    const QByteArray wanted(textOf(mark));
    return editRoot(*m_cache, path, [&](TiXmlElement *root) {
        TiXmlElement *macro = childByAttribute(root, "index", macroKey);
        if (!macro)
            return false;
        TiXmlElement *step = macro->FirstChildElement();
        while (step) {
            TiXmlElement *next = step->NextSiblingElement();
            const char *stepMark = step->Attribute("mark");
            if (!wanted.isEmpty() && stepMark && wanted == stepMark)
                macro->RemoveChild(step);
            step = next;
        }
        return true;
    });
}

bool xmlInterface::replaceMacroItems(const char *path, const char *macroKey, const QList<MacroEventInfo> &steps)
{
    return editRoot(*m_cache, path, [&](TiXmlElement *root) {
        TiXmlElement *macro = childByAttribute(root, "index", macroKey);
        if (!macro)
            return false;
        macro->Clear();
        for (const MacroEventInfo &step : steps)
            writeStep(macro, step);
        return true;
    });
}

QString xmlInterface::rootElementName(const char *path)
{
    QString name;
    withRoot(*m_cache, path, [&](const TiXmlElement *root) { name = QString::fromUtf8(root->Value()); });
    return name;
}

// ---- Device lists and default custom lightings ----

void xmlInterface::readHidList(const char *path, QList<HidListInfo> *list)
{
    if (!list)
        return;
    withRoot(*m_cache, path, [&](const TiXmlElement *root) {
        appendChildren(list, root, [](const TiXmlElement *element) {
            HidListInfo info;
            copyAttribute(info.hidType, element, "hidType");
            copyAttribute(info.addTime, element, "addTime");
            copyNumber(&info.transparentImg, element, "transparentImg");
            copyNumber(&info.SizeWidth, element, "SizeWidth");
            copyNumber(&info.SizeHeight, element, "SizeHeight");
            copyAttribute(info.hidName, element, "hidName");
            copyNumber(&info.keyNum, element, "keyNum");
            copyAttribute(info.productName, element, "productName");
            copyAttribute(info.likeName, element, "likeName");
            return info;
        });
    });
}

void xmlInterface::readHidSupportList(const char *path, QList<SupportHidInfo> *list)
{
    if (!list)
        return;
    withRoot(*m_cache, path, [&](const TiXmlElement *root) {
        appendChildren(list, root, [path](const TiXmlElement *element) {
            SupportHidInfo info;
            copyAttribute(info.hidType, element, "hidType");
            copyAttribute(info.addTime, element, "addTime");
            copyAttribute(info.Vid, element, "Vid");
            copyAttribute(info.Pid, element, "Pid");
            copyNumber(&info.type, element, "type");
            copyAttribute(info.nucName, element, "nucName");
            if (!isWellFormedSupportEntry(info))
                qCWarning(lcData).noquote() << "supported-device list" << path << ": entry with ids" << info.Vid
                                            << info.Pid << "is malformed and matches no device";
            return info;
        });
    });
}

void xmlInterface::getDefaultCustomLedItems(const char *path, const char *ledIndex, QList<CustomLedItemInfo> *items)
{
    if (!items)
        return;
    withRoot(*m_cache, path, [&](const TiXmlElement *root) {
        appendChildren(items, childByAttribute(root, "index", ledIndex), readLedItem);
    });
}
