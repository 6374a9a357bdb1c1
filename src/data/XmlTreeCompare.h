// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether two parsed XML trees would be written out alike: the same kinds of nodes in the same
// order, with the same names, texts and attributes (in order). Cheaper than printing both, and it
// stops at the first difference.

class TiXmlNode;

bool sameXmlTree(const TiXmlNode &a, const TiXmlNode &b);
