// SPDX-License-Identifier: GPL-3.0-or-later
#include "XmlTreeCompare.h"

#include <tinyxml.h>

#include <string>

namespace {

bool sameAttributes(const TiXmlElement &a, const TiXmlElement &b)
{
    const TiXmlAttribute *x = a.FirstAttribute();
    const TiXmlAttribute *y = b.FirstAttribute();
    for (; x && y; x = x->Next(), y = y->Next()) {
        if (x->NameTStr() != y->NameTStr() || x->ValueStr() != y->ValueStr())
            return false;
    }
    return !x && !y;
}

// The node itself, without its children.
bool sameNode(const TiXmlNode &a, const TiXmlNode &b)
{
    if (a.Type() != b.Type())
        return false;
    // A document's value is the name it was read from, which is not written.
    if (a.Type() != TiXmlNode::TINYXML_DOCUMENT && a.ValueStr() != b.ValueStr())
        return false;
    switch (a.Type()) {
    case TiXmlNode::TINYXML_ELEMENT:
        return sameAttributes(*a.ToElement(), *b.ToElement());
    case TiXmlNode::TINYXML_TEXT:
        return a.ToText()->CDATA() == b.ToText()->CDATA();
    case TiXmlNode::TINYXML_DECLARATION: {
        const TiXmlDeclaration *x = a.ToDeclaration();
        const TiXmlDeclaration *y = b.ToDeclaration();
        return std::string(x->Version()) == y->Version() && std::string(x->Encoding()) == y->Encoding()
               && std::string(x->Standalone()) == y->Standalone();
    }
    default:
        return true;
    }
}

}  // namespace

bool sameXmlTree(const TiXmlNode &a, const TiXmlNode &b)
{
    if (!sameNode(a, b))
        return false;
    const TiXmlNode *x = a.FirstChild();
    const TiXmlNode *y = b.FirstChild();
    for (; x && y; x = x->NextSibling(), y = y->NextSibling()) {
        if (!sameXmlTree(*x, *y))
            return false;
    }
    return !x && !y;
}
