// SPDX-License-Identifier: GPL-3.0-or-later
#include "XmlFoundNode.h"

#include <tinyxml.h>

XmlFoundNode::XmlFoundNode() = default;

XmlFoundNode::XmlFoundNode(std::unique_ptr<TiXmlDocument> document, TiXmlElement *element)
    : m_document(element ? std::move(document) : nullptr)
    , m_element(element)
{
}

XmlFoundNode::XmlFoundNode(XmlFoundNode &&other) noexcept
    : m_document(std::move(other.m_document))
    , m_element(other.m_element)
{
    other.m_element = nullptr;
}

XmlFoundNode &XmlFoundNode::operator=(XmlFoundNode &&other) noexcept
{
    if (this != &other) {
        m_document = std::move(other.m_document);
        m_element = other.m_element;
        other.m_element = nullptr;
    }
    return *this;
}

XmlFoundNode::~XmlFoundNode() = default;
