<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ColorWheelTool</name>
    <message>
        <source>ColorWheelTool</source>
        <translation>Farbrad</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Vollfarbe</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>Obere Farbe</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>Untere Farbe</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>Verknüpft:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Assign proFile</source>
        <translation>Profil zuweisen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Taste neu belegen</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>Neu belegen mit Taste ？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>Makro:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>No custom features added</source>
        <translation>Keine benutzerdefinierten Funktionen hinzugefügt</translation>
    </message>
</context>
<context>
    <name>DCustomEventWidget</name>
    <message>
        <source>DCustomEventWidget</source>
        <translation>DCustomEventWidget</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Eigene Beleuchtung</translation>
    </message>
</context>
<context>
    <name>DDeviceListItem</name>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>Tastaturname</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Gerät nicht verbunden</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>Profil 1</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>Seitenlicht</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>Profilgruppe </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>Programm verknüpfen</translation>
    </message>
    <message>
        <source>App path：/usr/bin/firefox</source>
        <translation>Programmpfad：/usr/bin/firefox</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Programm wählen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>App-Modus</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>Onboard-Editor</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Standardebene</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1-Ebene</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>FN1 festlegen</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>Beleuchtung synchronisieren</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>Protokollmeldungen</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>Werkseinstellungen wiederherstellen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>Lichteffekt</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Belegungsliste</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>DPI-Einstellung</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>Bildschirmtastatur</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>Bitte zuerst das Gerät öffnen!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>Der Onboard-Modus ist aktiv, bitte zuerst beenden</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Taste umbelegen</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Programm starten</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Profil wechseln</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statisch</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Atmen</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Funkeln</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Schlange</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Polarlicht</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Wellenring</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Schnelle Reaktion</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reaktiv</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Musikrhythmus</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Auto-Wellenring</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Feuerwerk</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Kollision</translation>
    </message>
    <message>
        <source>The profile file could not be read; it was kept as %1 and a new one was made.</source>
        <translation>Die Profildatei konnte nicht gelesen werden; sie wurde als %1 aufbewahrt und eine neue angelegt.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>Die Profildatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The profile file cannot be read for lack of permission; it was left as it is.</source>
        <translation>Die Profildatei kann mangels Berechtigung nicht gelesen werden; sie wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>Das Gerät unterstützt keinen Onboard-Speicher</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Der Name der eigenen Beleuchtung darf nicht leer sein</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Name der eigenen Beleuchtung geändert</translation>
    </message>
    <message>
        <source>Set light effect successfully</source>
        <translation>Lichteffekt erfolgreich eingestellt</translation>
    </message>
    <message>
        <source>Open light successful</source>
        <translation>Beleuchtung eingeschaltet</translation>
    </message>
    <message>
        <source>Close light successful</source>
        <translation>Beleuchtung ausgeschaltet</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Einmal abspielen</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Mehrmals abspielen</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Dauerwiedergabe ein/aus</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Abspielen, solange die Taste gedrückt ist</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>L_CTRL</source>
        <translation>L_CTRL</translation>
    </message>
    <message>
        <source>L_SHIFT</source>
        <translation>L_SHIFT</translation>
    </message>
    <message>
        <source>L_ALT</source>
        <translation>L_ALT</translation>
    </message>
    <message>
        <source>L_WIN</source>
        <translation>L_WIN</translation>
    </message>
    <message>
        <source>R_CTRL</source>
        <translation>R_CTRL</translation>
    </message>
    <message>
        <source>R_SHIFT</source>
        <translation>R_SHIFT</translation>
    </message>
    <message>
        <source>R_ALT</source>
        <translation>R_ALT</translation>
    </message>
    <message>
        <source>R_WIN</source>
        <translation>R_WIN</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mittlere Maustaste</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Rad nach oben</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Rad nach unten</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper-Taste</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>Schnellkonfiguration erfolgreich</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>Schnellkonfiguration fehlgeschlagen</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>Onboard-Übertragung [fehlgeschlagen]</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>The keyboard holds at most 10 macros</source>
        <translation>Die Tastatur speichert höchstens 10 Makros</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Übertragung fehlgeschlagen, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>Schreiben beginnt</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>Schreiben beendet</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Übertragung erfolgreich</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>Werkseinstellungen wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>Wiederherstellen der Werkseinstellungen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>Werkseinstellungen wiederhergestellt</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>Der Konfigurationsname darf nicht leer sein</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>Konfigurationsname geändert</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>Bitte zuerst eine Taste wählen!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>FN-Taste festgelegt</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>FN1-Taste festgelegt</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Profildatei öffnen</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Profildateien(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Speicherordner</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>Neue Konfiguration konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>Neue Konfiguration angelegt</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Bitte zuerst einen Speicherordner auswählen</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil exportiert</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Profilexport fehlgeschlagen</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Bitte zuerst eine Importdatei auswählen</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Profilimport fehlgeschlagen</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil importiert</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>Mindestens eine Konfiguration muss bleiben</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>Konfiguration gelöscht</translation>
    </message>
    <message>
        <source>Restore config successful</source>
        <translation>Konfiguration zurückgesetzt</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>Möchten Sie die FN-Tastenbelegung behalten?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>Möchten Sie die FN1-Tastenbelegung behalten?</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>Ebene konnte nicht geleert werden</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>Ebene geleert</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>Taste geleert</translation>
    </message>
    <message>
        <source>Set light effect failed</source>
        <translation>Lichteffekt konnte nicht eingestellt werden</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Name der eigenen Beleuchtung konnte nicht geändert werden</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>Profil hinzugefügt</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Die maximale Anzahl an Profilen ist erreicht</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Mindestens ein Profil muss bleiben</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil gelöscht</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Programm auswählen</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Programm(*)</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Der Profilname darf nicht leer sein</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profilangaben geändert</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Das aktuelle Profil zurücksetzen?</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Das aktuelle Profil wurde zurückgesetzt</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>DPI-Wechsel</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Vorwärts_L</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Zurück_L</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Vorwärts_R</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Zurück_R</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Vorgang fehlgeschlagen</translation>
    </message>
    <message>
        <source>The sound cannot be captured: Musical Rhythm needs a running sound server.</source>
        <translation>Der Ton kann nicht aufgenommen werden: „Musikrhythmus“ braucht einen laufenden Soundserver.</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Vorgang erfolgreich</translation>
    </message>
    <message>
        <source>The mouse cannot take this macro: at most 50 key or button events.</source>
        <translation>Die Maus kann dieses Makro nicht aufnehmen: höchstens 50 Tasten- oder Knopfereignisse.</translation>
    </message>
</context>
<context>
    <name>DDpiConfigListItem</name>
    <message>
        <source>DDpiConfigListItem</source>
        <translation>DDpiConfigListItem</translation>
    </message>
    <message>
        <source>Sniper</source>
        <translation>Sniper</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>X/Y:</source>
        <translation>X/Y:</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Firmware-Informationen</translation>
    </message>
</context>
<context>
    <name>DHomeDeviceListItem</name>
    <message>
        <source>DHomeDeviceListItem</source>
        <translation>DHomeDeviceListItem</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>My Keyboard Name</source>
        <translation>Name meiner Tastatur</translation>
    </message>
</context>
<context>
    <name>DHomeDeviceListWidget</name>
    <message>
        <source>DHomeDeviceListWidget</source>
        <translation>DHomeDeviceListWidget</translation>
    </message>
</context>
<context>
    <name>DHomePage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Gerät nicht verbunden</translation>
    </message>
    <message>
        <source>www.example.com</source>
        <translation>www.example.com</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:14pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:14pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:14pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:14pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Computer sperren</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Arbeitsplatz öffnen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>Taste eingeben？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Disable Key</source>
        <translation>Taste deaktivieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Select app</source>
        <translation>Programm auswählen</translation>
    </message>
    <message>
        <source>App path：/usr/bin/gimp</source>
        <translation>Programmpfad：/usr/bin/gimp</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Programm wählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Datei auswählen</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Text eingeben ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DLinkagePage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Linkage</source>
        <translation>Verknüpfung</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Wiedergabeart</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Einmal abspielen</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Mehrmals abspielen</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Dauer ein/aus</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Solange gedrückt</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Makro zuweisen</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Anzahl der Wiedergaben</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Anzahl der Wiedergaben 1,2,3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>Makrogruppe </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Aufnahme-Verzögerung</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Keine Verzögerung</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Feste Verzögerung</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>Makroaufzeichnung</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Die Aufzeichnung ist leer</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 ms</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>In Makro einfügen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Ereignis danach einfügen</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Ereignis davor einfügen</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Bitte eine Taste drücken</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Verzögerung eingeben</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Recording could not start</source>
        <translation>Die Aufnahme konnte nicht starten</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Makroaufnahme gestartet</translation>
    </message>
    <message>
        <source>Keys and clicks are recorded only in this program&apos;s windows</source>
        <translation>Tasten und Klicks werden nur in den Fenstern dieses Programms aufgezeichnet</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Makroaufnahme beendet</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Speichern der Makroaufnahme fehlgeschlagen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Bitte zuerst eine Position wählen</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Die maximale Anzahl an Ereignissen ist erreicht</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Einfügen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Erfolgreich eingefügt</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Ändern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Erfolgreich geändert</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Verschieben fehlgeschlagen</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Makro konnte nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Makro hinzugefügt</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Makro konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Makro gelöscht</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Der Makroname darf nicht leer sein</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Makroname geändert</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Makroname konnte nicht geändert werden</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Bitte zuerst ein Makro wählen</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Leeren des Makros fehlgeschlagen</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Makro geleert</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Makrodatei öffnen</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Makrodateien(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Makroimport fehlgeschlagen</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Makro importiert</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Speicherordner</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Bitte zuerst einen Speicherordner wählen</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Makroexport fehlgeschlagen</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Makro exportiert</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>DMainWidget</source>
        <translation>DMainWidget</translation>
    </message>
    <message>
        <source>BRIVEX</source>
        <translation>BRIVEX</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>START</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>GERÄT</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MAKRO</translation>
    </message>
    <message>
        <source>LINKAGE</source>
        <translation>VERKNÜPFUNG</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Ma&amp;ximieren</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was left as it is.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden; sie wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was kept as %2 and a new one was made.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden; sie wurde als %2 aufbewahrt und eine neue angelegt.</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Maustaste</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mittlere Maustaste</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Seitentaste - Zurück</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Seitentaste - Vor</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Rad nach unten</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Rad nach oben</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper-Taste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DMouseLightPage</name>
    <message>
        <source>DMouseLightPage</source>
        <translation>DMouseLightPage</translation>
    </message>
    <message>
        <source>Light Around</source>
        <translation>Umgebungslicht</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Mausrad</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
</context>
<context>
    <name>DMousePage</name>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>DPI-Wechsel</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Vorwärts_L</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Zurück_L</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Vorwärts_R</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Zurück_R</translation>
    </message>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mittlere Maustaste</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Rad nach oben</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Rad nach unten</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper-Taste</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
</context>
<context>
    <name>DMousePerformanceView</name>
    <message>
        <source>DMousePerformanceView</source>
        <translation>DMousePerformanceView</translation>
    </message>
    <message>
        <source>Mouse Properties:</source>
        <translation>Mauseigenschaften:</translation>
    </message>
    <message>
        <source>125Hz</source>
        <translation>125Hz</translation>
    </message>
    <message>
        <source>250Hz</source>
        <translation>250Hz</translation>
    </message>
    <message>
        <source>500Hz</source>
        <translation>500Hz</translation>
    </message>
    <message>
        <source>1000Hz</source>
        <translation>1000Hz</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Aktuelles Profil zurücksetzen</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>Mauseinstellungen</translation>
    </message>
    <message>
        <source>No mouse settings tool found</source>
        <translation>Kein Programm für Mauseinstellungen gefunden</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DOnboardPage</name>
    <message>
        <source>DOnboardPage</source>
        <translation>DOnboardPage</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Taste umbelegen</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Profil wechseln</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Programm starten</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Wenn die Win-Sperre an ist:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Win-Taste sperren</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 deaktivieren</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB sperren</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB deaktivieren</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Aktuelles Profil zurücksetzen</translation>
    </message>
    <message>
        <source>Wimdows Keyboard Properties</source>
        <translation>Tastatureinstellungen</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>DSettingsDia</source>
        <translation>DSettingsDia</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Programm beim Systemstart starten (minimiert)</translation>
    </message>
    <message>
        <source>Minimize startup to tray</source>
        <translation>In den Infobereich minimieren</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>In den Infobereich schließen</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Firmware-Aktualisierung prüfen</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Taobao-Link</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Feedback senden</translation>
    </message>
    <message>
        <source>Brivex</source>
        <translation>Brivex</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Anwendungssoftware</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Freie Software unter der GNU GPL, Version 3 oder später.</translation>
    </message>
    <message>
        <source>V_2020.03.17.0001</source>
        <translation>V_2020.03.17.0001</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Keine aktualisierbaren Geräte gefunden</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Einstellung gespeichert</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Einstellung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>DTipInfoDia</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>DTipInfoDia</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Do you want to save the current light mode to the device?</source>
        <translation>Möchten Sie den aktuellen Lichtmodus auf dem Gerät speichern?</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Firmware aktualisieren</translation>
    </message>
    <message>
        <source>If the firmware is being upgraded, do not unplug the device!</source>
        <translation>Während die Firmware aktualisiert wird, das Gerät nicht abziehen!</translation>
    </message>
    <message>
        <source>Upgrade successful</source>
        <translation>Aktualisierung erfolgreich</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>Aktualisierung fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>DmouseConfigView</name>
    <message>
        <source>DmouseConfigView</source>
        <translation>DmouseConfigView</translation>
    </message>
    <message>
        <source>Enable X/Y</source>
        <translation>X/Y aktivieren</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B</translation>
    </message>
</context>
<context>
    <name>KeyAssignmentTexts</name>
    <message>
        <source>Play once</source>
        <translation>Einmal abspielen</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Mehrmals abspielen</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Dauerwiedergabe ein/aus</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Abspielen, solange die Taste gedrückt ist</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mittlere Maustaste</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Rad hoch</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Rad runter</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Linke Seitentaste - Vor</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Linke Seitentaste - Zurück</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Arbeitsplatz öffnen</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Computer sperren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>KeyLayoutFile</name>
    <message>
        <source>한자</source>
        <translation>한자</translation>
    </message>
    <message>
        <source>한영</source>
        <translation>한영</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Exe Crash</source>
        <translation>Programmabsturz</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>Dieser Absturz tut uns sehr leid!</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Koreanisch/Englisch</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Like name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuelle Version:</translation>
    </message>
    <message>
        <source>Upgrade progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Neue Version:</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>keyboardImagePage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>keyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>Kann nicht neu belegt werden</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Taste neu belegen</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Profil wechseln</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Anwendung starten</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>keyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Namen ändern</translation>
    </message>
</context>
<context>
    <name>onboardExplainDia</name>
    <message>
        <source>onboardExplainDia</source>
        <translation>onboardExplainDia</translation>
    </message>
    <message>
        <source>APP mode:</source>
        <translation>App-Modus:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In app mode, the function of button customization can only be used when the app is opened. The customized content can only be saved on the computer, and it does not support downloading to the keyboard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Im App-Modus funktioniert die Tastenbelegung nur, solange das Programm geöffnet ist. Die Belegungen werden nur auf dem Computer gespeichert und können nicht auf die Tastatur übertragen werden.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Onboard Editor:</source>
        <translation>Onboard-Editor:</translation>
    </message>
    <message>
        <source>In onboard editing mode, the interactive light effect is invalid.</source>
        <translation>Im Onboard-Modus sind interaktive Lichteffekte nicht verfügbar.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The key can be downloaded and saved to the keyboard according to the customized content. The board can be divided into two layers, the default layer and the FN1 layer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Belegungen können auf die Tastatur übertragen und dort gespeichert werden. Die Tastatur hat zwei Ebenen: die Standardebene und die FN1-Ebene.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Default layer:</source>
        <translation>Standardebene:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press the key directly to send the code.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Taste direkt drücken, um den Code zu senden.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>FN1 layer:</source>
        <translation>FN1-Ebene:</translation>
    </message>
    <message>
        <source>1.Select a key and set it to FN1.</source>
        <translation>1. Eine Taste wählen und als FN1 festlegen.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2.Send the code by combining with the custom FN1 key.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2. Den Code zusammen mit der eigenen FN1-Taste senden.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Layers:</source>
        <translation>Ebenen:</translation>
    </message>
    <message>
        <source>Default Layer.</source>
        <translation>Standardebene.</translation>
    </message>
    <message>
        <source>FN Layer – Factory Preset FN functions.</source>
        <translation>FN-Ebene – werkseitige FN-Funktionen.</translation>
    </message>
    <message>
        <source>FN1 Layer – Can be customized.</source>
        <translation>FN1-Ebene – frei belegbar.</translation>
    </message>
</context>
<context>
    <name>onboardKeyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>Kann nicht neu belegt werden</translation>
    </message>
</context>
<context>
    <name>onboardProfileMenuToolWidget</name>
    <message>
        <source>onboardProfileMenuToolWidget</source>
        <translation>onboardProfileMenuToolWidget</translation>
    </message>
    <message>
        <source>Create New</source>
        <translation>Neu anlegen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Namen ändern</translation>
    </message>
    <message>
        <source>QWERTY</source>
        <translation>QWERTY</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>Dvorak</source>
        <translation>Dvorak</translation>
    </message>
    <message>
        <source>Clean layer</source>
        <translation>Ebene leeren</translation>
    </message>
</context>
<context>
    <name>proFileOperateMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Namen ändern</translation>
    </message>
</context>
<context>
    <name>profileListItem</name>
    <message>
        <source>profileListItem</source>
        <translation>profileListItem</translation>
    </message>
</context>
</TS>
