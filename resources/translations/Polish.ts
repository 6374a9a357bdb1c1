<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>ColorWheelTool</name>
    <message>
        <source>ColorWheelTool</source>
        <translation>Koło kolorów</translation>
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
        <translation>Pełny kolor</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>Kolor górny</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>Kolor dolny</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Kierunek</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemno</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Jasno</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Szybkość</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Wolno</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Szybko</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>Powiązane:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Środkowy przycisk</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Prawy przycisk</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Assign proFile</source>
        <translation>Przypisz profil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Zmień klawisz</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>Przypisz klawisz ？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>Makro:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Nieznane</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>No custom features added</source>
        <translation>Nie dodano funkcji niestandardowych</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Własne podświetlenie</translation>
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
        <translation>Nazwa klawiatury</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Urządzenie niepodłączone</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>Profil 1</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Ustawienia klawiszy</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Ustawienia podświetlenia</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>Boczne</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>Grupa profili </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nazwa profilu</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Nazwa profilu</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>Powiąż profil z programem</translation>
    </message>
    <message>
        <source>App path：/usr/bin/firefox</source>
        <translation>Ścieżka aplikacji：/usr/bin/firefox</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>Tryb aplikacji</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>Edytor pamięci wbudowanej</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Warstwa domyślna</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Warstwa FN1</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>Ustaw FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>Synchronizacja podświetlenia</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>Komunikaty dziennika</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>Przywróć ustawienia fabryczne</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Zapisz do urządzenia</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>Efekt podświetlenia</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Wydajność</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Lista przypisań</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>Ustawienia DPI</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>Klawiatura ekranowa</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>Najpierw podłącz urządzenie!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>Aktywny jest tryb pamięci wbudowanej, najpierw go opuść</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślny</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Zmień klawisz</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Uruchom aplikację</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Przełącz profil</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statyczny</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Oddychanie</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Fala</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Migotanie</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Wąż</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Zorza</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Fala kołowa</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Szybka reakcja</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reaktywny</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własny</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Krzyż</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Rytm muzyki</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Automatyczna fala</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Prążki</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fajerwerki</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Zderzenie</translation>
    </message>
    <message>
        <source>The profile file could not be read; it was kept as %1 and a new one was made.</source>
        <translation>Nie można odczytać pliku profilu; zachowano go jako %1 i utworzono nowy.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>Nie można zapisać pliku profilu.</translation>
    </message>
    <message>
        <source>The profile file cannot be read for lack of permission; it was left as it is.</source>
        <translation>Nie można odczytać pliku profilu z powodu braku uprawnień; pozostawiono go bez zmian.</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>Urządzenie nie obsługuje pamięci wbudowanej</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Nazwa własnego podświetlenia nie może być pusta</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nazwa własnego podświetlenia zmieniona</translation>
    </message>
    <message>
        <source>Set light effect successfully</source>
        <translation>Efekt podświetlenia ustawiony</translation>
    </message>
    <message>
        <source>Open light successful</source>
        <translation>Podświetlenie włączone</translation>
    </message>
    <message>
        <source>Close light successful</source>
        <translation>Podświetlenie wyłączone</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Odtwórz raz</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Odtwórz wielokrotnie</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Odtwarzanie ciągłe wł./wył.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Odtwarzaj, dopóki klawisz jest wciśnięty</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Nieznane</translation>
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
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Środkowy przycisk</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Prawy przycisk</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Kółko w górę</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Kółko w dół</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Przycisk snajperski</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>Szybka konfiguracja zakończona</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>Szybka konfiguracja nie powiodła się</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>Przesyłanie do klawiatury [błąd]</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Wskazówka</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>The keyboard holds at most 10 macros</source>
        <translation>Klawiatura mieści najwyżej 10 makr</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Przesyłanie nie powiodło się, spróbuj ponownie</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>Rozpoczęto zapis</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>Zapis zakończony</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Przesyłanie zakończone</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>Przywrócić ustawienia fabryczne?</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>Nie udało się przywrócić ustawień fabrycznych</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>Przywrócono ustawienia fabryczne</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>Nazwa konfiguracji nie może być pusta</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>Zmieniono nazwę konfiguracji</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>Najpierw wybierz klawisz!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>Ustawiono klawisz FN</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>Ustawiono klawisz FN1</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Otwórz plik profilu</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Pliki profili(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Folder zapisu</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>Nie udało się utworzyć konfiguracji</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>Utworzono konfigurację</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Najpierw wybierz folder zapisu</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Wyeksportowano profil</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Eksport profilu nie powiódł się</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Najpierw wybierz plik do importu</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Import profilu nie powiódł się</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Zaimportowano profil</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>Musi pozostać co najmniej jedna konfiguracja</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>Usunięto konfigurację</translation>
    </message>
    <message>
        <source>Restore config successful</source>
        <translation>Przywrócono konfigurację</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>Czy zachować ustawienie klawisza FN?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>Czy zachować ustawienie klawisza FN1?</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>Nie udało się wyczyścić warstwy</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>Wyczyszczono warstwę</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Pusty</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>Wyczyszczono klawisz</translation>
    </message>
    <message>
        <source>Set light effect failed</source>
        <translation>Nie udało się ustawić efektu podświetlenia</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Nie udało się zmienić nazwy własnego podświetlenia</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>Dodano profil</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Osiągnięto maksymalną liczbę profili</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Musi zostać co najmniej jeden profil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Usunięto profil</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Wybierz program</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Program(*)</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Nazwa profilu nie może być pusta</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Zmieniono dane profilu</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Zresetować bieżący profil?</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Bieżący profil został zresetowany</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Przełączanie DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Dalej_L</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Wstecz_L</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Prawy przycisk</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Środkowy przycisk</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Dalej_P</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Wstecz_P</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operacja nie powiodła się</translation>
    </message>
    <message>
        <source>The sound cannot be captured: Musical Rhythm needs a running sound server.</source>
        <translation>Nie można przechwycić dźwięku: „Rytm muzyki” wymaga działającego serwera dźwięku.</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operacja zakończona powodzeniem</translation>
    </message>
    <message>
        <source>The mouse cannot take this macro: at most 50 key or button events.</source>
        <translation>Mysz nie przyjmie tego makra: najwyżej 50 zdarzeń klawiszy lub przycisków.</translation>
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
        <translation>Snajper</translation>
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
        <translation>Informacje o oprogramowaniu układowym</translation>
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
        <translation>Nazwa mojej klawiatury</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Urządzenie niepodłączone</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Pokaż pulpit</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zablokuj komputer</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Otwórz Mój komputer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>Wprowadź klawisz？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Disable Key</source>
        <translation>Wyłącz klawisz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Select app</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>App path：/usr/bin/gimp</source>
        <translation>Ścieżka aplikacji：/usr/bin/gimp</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Wybierz plik</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Wpisz tekst ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DLinkagePage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Linkage</source>
        <translation>Powiązanie</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Zaloguj</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Tryb odtwarzania</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Odtwórz raz</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Odtwórz wielokrotnie</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Powtarzaj wł./wył.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Gdy wciśnięty</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Przypisz makro</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Liczba odtworzeń</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Liczba odtworzeń 1,2,3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>Grupa makr </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>Ustawienie opóźnienia</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Opóźnienie z nagrania</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Bez opóźnienia</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Stałe opóźnienie</translation>
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
        <translation>Nagrywaj</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>Zapis makra</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Nagranie jest puste</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 ms</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>Wstaw do makra</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Wstaw zdarzenie po</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Wstaw zdarzenie przed</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Naciśnij klawisz</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Lewy</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Środkowy</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Prawy</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Wpisz opóźnienie</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Recording could not start</source>
        <translation>Nie można rozpocząć nagrywania</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Rozpoczęto nagrywanie makra</translation>
    </message>
    <message>
        <source>Keys and clicks are recorded only in this program&apos;s windows</source>
        <translation>Klawisze i kliknięcia są nagrywane tylko w oknach tego programu</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Zatrzymano nagrywanie makra</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Nie udało się zapisać nagrania makra</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Usuwanie nie powiodło się</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Najpierw wybierz miejsce</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Osiągnięto limit zdarzeń</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Wstawianie nie powiodło się</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Wstawiono</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Zmiana nie powiodła się</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Zmieniono</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Przenoszenie nie powiodło się</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Nie udało się dodać makra</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Dodano makro</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Nie udało się usunąć makra</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Usunięto makro</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Nazwa makra nie może być pusta</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Zmieniono nazwę makra</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Nie udało się zmienić nazwy makra</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Najpierw wybierz makro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Nie udało się wyczyścić makra</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Wyczyszczono makro</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Otwórz plik makra</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Pliki makr(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Nie udało się zaimportować makra</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Zaimportowano makro</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Folder zapisu</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Najpierw wybierz folder zapisu</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Nie udało się wyeksportować makra</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Wyeksportowano makro</translation>
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
        <translation>URZĄDZENIE</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MAKRO</translation>
    </message>
    <message>
        <source>LINKAGE</source>
        <translation>POWIĄZANIE</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Mi&amp;nimalizuj</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Ma&amp;ksymalizuj</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>P&amp;rzywróć</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was left as it is.</source>
        <translation>Nie można odczytać pliku %1; pozostawiono go bez zmian.</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was kept as %2 and a new one was made.</source>
        <translation>Nie można odczytać pliku %1; zachowano go jako %2 i utworzono nowy.</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Przycisk myszy</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Środkowy przycisk</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Prawy przycisk</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Boczny - Wstecz</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Boczny - Dalej</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Kółko w dół</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Kółko w górę</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Przycisk snajperski</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Podświetlenie obwodowe</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Kółko</translation>
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
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Przełączanie DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Dalej_L</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Wstecz_L</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Prawy przycisk</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Środkowy przycisk</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Dalej_P</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Wstecz_P</translation>
    </message>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Nieznane</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Środkowy przycisk</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Prawy przycisk</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Kółko w górę</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Kółko w dół</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Przycisk snajperski</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
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
        <translation>Właściwości myszy:</translation>
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
        <translation>Resetuj bieżący profil</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>Ustawienia myszy</translation>
    </message>
    <message>
        <source>No mouse settings tool found</source>
        <translation>Nie znaleziono narzędzia ustawień myszy</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Odtwórz/Wstrzymaj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Następny utwór</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Poprzedni utwór</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Ciszej</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Głośniej</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Odtwarzacz</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Przeglądarka</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Zmień klawisz</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Przełącz profil</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Uruchom aplikację</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Nieznane</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślny</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Puste</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Gdy blokada Win jest włączona:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Wyłącz klawisz Windows</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Wyłącz ALT+F4</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Wyłącz SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Wyłącz ALT+TAB</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Resetuj bieżący profil</translation>
    </message>
    <message>
        <source>Wimdows Keyboard Properties</source>
        <translation>Ustawienia klawiatury</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motyw</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Uruchamiaj program przy starcie systemu (zminimalizowany)</translation>
    </message>
    <message>
        <source>Minimize startup to tray</source>
        <translation>Minimalizuj do zasobnika</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Zamykaj do zasobnika</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Sprawdź aktualizację oprogramowania układowego</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Link Taobao</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Wsparcie</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Wyślij opinię</translation>
    </message>
    <message>
        <source>Brivex</source>
        <translation>Brivex</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Oprogramowanie użytkowe</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Wolne oprogramowanie, GNU GPL 3 lub nowsza.</translation>
    </message>
    <message>
        <source>V_2020.03.17.0001</source>
        <translation>V_2020.03.17.0001</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Różowy</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inny</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Nie znaleziono urządzeń do aktualizacji</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Zapisano ustawienia</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Nie udało się zapisać ustawień</translation>
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
        <translation>Formularz</translation>
    </message>
</context>
<context>
    <name>DTipInfoDia</name>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <source>DTipInfoDia</source>
        <translation>Wskazówka</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Wskazówka</translation>
    </message>
    <message>
        <source>Do you want to save the current light mode to the device?</source>
        <translation>Czy zapisać bieżący tryb podświetlenia w urządzeniu?</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Aktualizacja oprogramowania układowego</translation>
    </message>
    <message>
        <source>If the firmware is being upgraded, do not unplug the device!</source>
        <translation>Podczas aktualizacji oprogramowania nie odłączaj urządzenia!</translation>
    </message>
    <message>
        <source>Upgrade successful</source>
        <translation>Aktualizacja zakończona powodzeniem</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>Aktualizacja nie powiodła się</translation>
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
        <translation>Włącz X/Y</translation>
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
        <translation>Odtwórz raz</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Odtwórz wiele razy</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Odtwarzanie ciągłe wł./wył.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Odtwarzaj, dopóki klawisz jest wciśnięty</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Głośniej</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Ciszej</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Odtwórz/Pauza</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Następny utwór</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Poprzedni utwór</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Odtwarzacz</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Przeglądarka</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Środkowy przycisk</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Prawy przycisk</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Kółko w górę</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Kółko w dół</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Lewy boczny przycisk - Dalej</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Lewy boczny przycisk - Wstecz</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Pokaż pulpit</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Otwórz mój komputer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zablokuj komputer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
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
        <translation>Awaria programu</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>Bardzo przepraszamy za tę awarię!</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Chiński</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Koreański/Angielski</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Like name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Bieżąca wersja:</translation>
    </message>
    <message>
        <source>Upgrade progress:</source>
        <translation>Postęp aktualizacji:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nowa wersja:</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Zakończono</translation>
    </message>
</context>
<context>
    <name>keyboardImagePage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
</context>
<context>
    <name>keyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>Nie można przypisać ponownie</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Zmień klawisz</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Przełącz profil</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Uruchom aplikację</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Nieznane</translation>
    </message>
</context>
<context>
    <name>keyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
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
        <translation>Tryb aplikacji:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In app mode, the function of button customization can only be used when the app is opened. The customized content can only be saved on the computer, and it does not support downloading to the keyboard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;W trybie aplikacji przypisania klawiszy działają tylko wtedy, gdy aplikacja jest otwarta. Ustawienia są zapisywane tylko na komputerze i nie można ich przesłać do klawiatury.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Onboard Editor:</source>
        <translation>Edytor pamięci klawiatury:</translation>
    </message>
    <message>
        <source>In onboard editing mode, the interactive light effect is invalid.</source>
        <translation>W trybie edycji pamięci klawiatury interaktywne efekty świetlne są niedostępne.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The key can be downloaded and saved to the keyboard according to the customized content. The board can be divided into two layers, the default layer and the FN1 layer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Przypisania klawiszy można przesłać i zapisać w klawiaturze. Klawiatura ma dwie warstwy: warstwę domyślną i warstwę FN1.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Default layer:</source>
        <translation>Warstwa domyślna:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press the key directly to send the code.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Naciśnij klawisz, aby wysłać kod.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>FN1 layer:</source>
        <translation>Warstwa FN1:</translation>
    </message>
    <message>
        <source>1.Select a key and set it to FN1.</source>
        <translation>1. Wybierz klawisz i ustaw go jako FN1.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2.Send the code by combining with the custom FN1 key.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2. Wyślij kod w połączeniu z własnym klawiszem FN1.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Layers:</source>
        <translation>Warstwy:</translation>
    </message>
    <message>
        <source>Default Layer.</source>
        <translation>Warstwa domyślna.</translation>
    </message>
    <message>
        <source>FN Layer – Factory Preset FN functions.</source>
        <translation>Warstwa FN – fabryczne funkcje FN.</translation>
    </message>
    <message>
        <source>FN1 Layer – Can be customized.</source>
        <translation>Warstwa FN1 – do własnych ustawień.</translation>
    </message>
</context>
<context>
    <name>onboardKeyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>Domyślny</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>Nie można przypisać ponownie</translation>
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
        <translation>Utwórz nową</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
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
        <translation>Wyczyść warstwę</translation>
    </message>
</context>
<context>
    <name>proFileOperateMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
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
