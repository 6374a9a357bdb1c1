// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An element found in an XML file, together with the document that holds it. The document lives
// as long as this object; moving hands both on, destroying releases both.

#include <memory>

class TiXmlDocument;
class TiXmlElement;

class XmlFoundNode
{
public:
    XmlFoundNode();
    XmlFoundNode(std::unique_ptr<TiXmlDocument> document, TiXmlElement *element);
    XmlFoundNode(XmlFoundNode &&other) noexcept;
    XmlFoundNode &operator=(XmlFoundNode &&other) noexcept;
    ~XmlFoundNode();

    XmlFoundNode(const XmlFoundNode &) = delete;
    XmlFoundNode &operator=(const XmlFoundNode &) = delete;

    bool isNull() const { return m_element == nullptr; }
    explicit operator bool() const { return m_element != nullptr; }

    TiXmlElement *element() const { return m_element; }
    TiXmlDocument *document() const { return m_document.get(); }

private:
    std::unique_ptr<TiXmlDocument> m_document;
    TiXmlElement *m_element = nullptr;
};
