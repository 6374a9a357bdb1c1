// SPDX-License-Identifier: GPL-3.0-or-later
// The store's comparison of two parsed trees, which decides whether an edit is saved: trees it
// calls the same must print alike, and every difference that would print otherwise counts.

#include "XmlTreeCompare.h"

#include <QtTest>

#include <tinyxml.h>

#include <string>

namespace {

std::string printed(const TiXmlDocument &document)
{
    TiXmlPrinter printer;
    document.Accept(&printer);
    return printer.Str();
}

}  // namespace

class tst_XmlTreeCompare : public QObject
{
    Q_OBJECT

private slots:
    void compare_data();
    void compare();
};

void tst_XmlTreeCompare::compare_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<bool>("same");

    const QByteArray base = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
                            "<P i=\"1\"><c a=\"1\" b=\"2\"><i v=\"x\"/></c><!-- n --><t>text</t></P>";
    auto row = [&](const char *name, const QByteArray &other, bool same) {
        QTest::newRow(name) << base << other << same;
    };
    row("identical", base, true);
    row("other layout, same tree", QByteArray(base).replace("<c a", "\n    <c a"), true);
    row("attribute value", QByteArray(base).replace("b=\"2\"", "b=\"3\""), false);
    row("attribute order", QByteArray(base).replace("a=\"1\" b=\"2\"", "b=\"2\" a=\"1\""), false);
    row("attribute added", QByteArray(base).replace("<i v=\"x\"", "<i v=\"x\" w=\"\""), false);
    row("attribute removed", QByteArray(base).replace(" b=\"2\"", ""), false);
    row("element name", QByteArray(base).replace("<i v", "<j v"), false);
    row("child added", QByteArray(base).replace("<i v=\"x\"/>", "<i v=\"x\"/><i v=\"x\"/>"), false);
    row("child removed", QByteArray(base).replace("<i v=\"x\"/>", ""), false);
    row("text", QByteArray(base).replace(">text<", ">texts<"), false);
    row("text as CDATA", QByteArray(base).replace(">text<", "><![CDATA[text]]><"), false);
    row("comment", QByteArray(base).replace("<!-- n -->", "<!-- m -->"), false);
    row("declaration", QByteArray(base).replace("UTF-8", "utf-8"), false);
    row("no declaration", base.mid(base.indexOf('\n') + 1), false);
}

void tst_XmlTreeCompare::compare()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(bool, same);

    TiXmlDocument first;
    TiXmlDocument second;
    first.Parse(a.constData());
    second.Parse(b.constData());
    QVERIFY(!first.Error() && !second.Error());

    QCOMPARE(sameXmlTree(first, second), same);
    QCOMPARE(sameXmlTree(second, first), same);
    QCOMPARE(printed(first) == printed(second), same);
    // A copy, as an edit works on, is the same tree.
    const TiXmlDocument copy(second);
    QVERIFY(sameXmlTree(copy, second));
}

QTEST_GUILESS_MAIN(tst_XmlTreeCompare)
#include "tst_XmlTreeCompare.moc"
