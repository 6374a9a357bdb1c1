// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A realistic profile file for the benchmarks: ten keyboard profiles, each with light items in
// three zones, user colours, five custom lightings (two of them painting a whole 104-key board),
// fifty key assignments (codes 4 to 53), five bound macros of twenty steps, six DPI levels and
// the function switches. The current profile is 10.

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

namespace benchfixture {

inline QByteArray attr(const char *name, const QByteArray &value)
{
    return QByteArray(" ") + name + "=\"" + value + '"';
}

inline QByteArray num(int value)
{
    return QByteArray::number(value);
}

inline QByteArray profile(int index)
{
    QByteArray x = "    <config" + attr("index", num(index)) + attr("name", "Profile" + num(index))
                   + attr("proFileAppName", "") + attr("proFileAppIco", "") + ">\n";
    const char *zones[] = {"light0", "light1", "light2"};
    for (int zone = 0; zone < 3; ++zone) {
        x += QByteArray("        <") + zones[zone] + attr("usingIndex", "2");
        if (zone == 0)
            x += attr("ledOpenOrClose", "1") + attr("SynchronizeStatus", "0");
        x += ">\n";
        const int effects = zone == 0 ? 20 : 10;
        for (int type = 1; type <= effects; ++type) {
            x += "            <item" + attr("ledKeyboardOrSide", num(zone)) + attr("ledType", num(type));
            for (const char *name : {"ledBrightness", "ledSpeed", "ledModeR", "ledModeG", "ledModeB", "ledBgR",
                                     "ledBgG", "ledBgB", "ledDirection", "ledModeType", "ledOpenOrClose", "ledUpdate"})
                x += attr(name, num(type * 7 % 256));
            x += " />\n";
        }
        x += QByteArray("        </") + zones[zone] + ">\n";
    }
    x += "        <customColor>\n";
    for (int i = 0; i < 8; ++i)
        x += "            <item" + attr("index", num(i)) + attr("actionStatus", "0") + attr("colorR", num(i * 30))
             + attr("colorG", "10") + attr("colorB", "200") + attr("transparentNum", "255") + " />\n";
    x += "        </customColor>\n        <customLight>\n";
    for (int led = 0; led < 5; ++led) {
        x += "            <customLed" + attr("index", num(led)) + attr("name", "Custom " + num(led))
             + attr("isUsing", led < 2 ? "Using" : "UnUsing") + attr("usingFlagIndex", num(led < 2 ? led : -1)) + ">\n";
        const int keys = led < 2 ? 104 : (led == 2 ? 34 : 0);
        for (int k = 0; k < keys; ++k)
            x += "                <item" + attr("keyCode", num(4 + k)) + attr("codeName", "K" + num(k))
                 + attr("indexX", num(k / 22)) + attr("indexY", num(k % 22)) + attr("colorR", num(k))
                 + attr("colorG", num(255 - k)) + attr("colorB", "128") + attr("transparentNum", "128") + " />\n";
        x += "            </customLed>\n";
    }
    x += "        </customLight>\n        <ribbon />\n        <onboardBinding />\n        <macro>\n";
    for (int k = 0; k < 50; ++k) {
        const bool macro = k % 10 == 0;
        x += "            <item" + attr("keyCode", num(4 + k)) + attr("keyChar", "K" + num(k))
             + attr("operateType", macro ? "1" : num(k % 10)) + attr("repeatNum", "1") + attr("mode", "1")
             + attr("Value", macro ? num(k / 10) : num(k + 100)) + " />\n";
    }
    x += "        </macro>\n        <dpi" + attr("usingIndex", "2") + ">\n";
    for (int d = 1; d <= 6; ++d)
        x += "            <item" + attr("index", num(d)) + attr("selectStatus", d == 2 ? "1" : "0") + attr("isXY", "0")
             + attr("dpiX", num(d * 800)) + attr("dpiY", num(d * 800)) + attr("dpiColorR", "255")
             + attr("dpiColorG", num(d * 40)) + attr("dpiColorB", "0") + " />\n";
    x += "        </dpi>\n        <function>\n            <Setting" + attr("feature1", "0") + attr("feature2", "1")
         + attr("feature3", "0") + attr("feature4", "1") + " />\n        </function>\n        <bindMacro>\n";
    for (int m = 0; m < 5; ++m) {
        x += "            <macro" + attr("index", num(m)) + attr("name", "Macro" + num(m)) + ">\n";
        for (int s = 0; s < 20; ++s)
            x += "                <item" + attr("mark", QByteArray::number(0x1000000000000000ULL + m * 100 + s / 2, 16))
                 + attr("delay", num(s * 10)) + attr("type", "key") + attr("keyCode", num(4 + s / 2))
                 + attr("codeName", "K" + num(s)) + attr("operateExplain", s % 2 ? "up" : "down") + " />\n";
        x += "            </macro>\n";
    }
    x += "        </bindMacro>\n    </config>\n";
    return x;
}

struct Fixture {
    QTemporaryDir dir;
    QByteArray path;

    Fixture()
    {
        path = QFile::encodeName(dir.filePath("brivexProFile.xml"));
        QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<Parameters profileIndex=\"10\">\n";
        for (int p = 1; p <= 10; ++p)
            text += profile(p);
        text += "</Parameters>\n";
        QFile file(dir.filePath("brivexProFile.xml"));
        file.open(QIODevice::WriteOnly);
        file.write(text);
    }
};

inline Fixture &fixture()
{
    static Fixture f;
    return f;
}

}  // namespace benchfixture
