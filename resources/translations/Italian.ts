<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>ColorWheelTool</name>
    <message>
        <source>ColorWheelTool</source>
        <translation>Ruota dei colori</translation>
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
        <translation>Tutti i colori</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>Colore superiore</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>Colore inferiore</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>Collegato:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Assign proFile</source>
        <translation>Assegna profilo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Rimappa tasto</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>Rimappa con il tasto ？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>Macro:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profilo:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Sconosciuto</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>No custom features added</source>
        <translation>Nessuna funzione personalizzata aggiunta</translation>
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
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Illuminazione personalizzata</translation>
    </message>
</context>
<context>
    <name>DDeviceListItem</name>
    <message>
        <source>Product</source>
        <translation>Prodotto</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Product</source>
        <translation>Prodotto</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>Nome della tastiera</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo non connesso</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>Profilo 1</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizzazione tasti</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Impostazioni luci</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>Luce laterale</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nome profilo</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Nome profilo</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>Collega a programma</translation>
    </message>
    <message>
        <source>App path：/usr/bin/firefox</source>
        <translation>Percorso applicazione：/usr/bin/firefox</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleziona applicazione</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>Modalità app</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>Editor integrato</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Livello predefinito</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Livello FN1</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>Imposta FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>Sincronizza luci</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>Messaggi di log</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>Ripristina impostazioni di fabbrica</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>Effetto luci</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Prestazioni</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Elenco personalizzato</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>Configurazione DPI</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>Tastiera virtuale</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>Apri prima il dispositivo!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>Modalità integrata attiva, esci prima</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Rimappa tasto</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>combinazione di tasti</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Avvia applicazione</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Cambia profilo</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statico</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiro</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillio</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Increspatura</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Risposta rapida</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reattivo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croce</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musicale</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Increspatura auto</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Striature</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fuochi d&apos;artificio</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collisione</translation>
    </message>
    <message>
        <source>The profile file could not be read; it was kept as %1 and a new one was made.</source>
        <translation>Impossibile leggere il file del profilo; è stato conservato come %1 e ne è stato creato uno nuovo.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>Impossibile scrivere il file del profilo.</translation>
    </message>
    <message>
        <source>The profile file cannot be read for lack of permission; it was left as it is.</source>
        <translation>Il file del profilo non può essere letto per mancanza di permessi; è stato lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>Il dispositivo non supporta la memoria integrata</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Il nome della luce personalizzata non può essere vuoto</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nome della luce personalizzata modificato</translation>
    </message>
    <message>
        <source>Set light effect successfully</source>
        <translation>Effetto luce impostato</translation>
    </message>
    <message>
        <source>Open light successful</source>
        <translation>Luce accesa</translation>
    </message>
    <message>
        <source>Close light successful</source>
        <translation>Luce spenta</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Riproduci una volta</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Riproduci più volte</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Riproduzione continua on/off</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Riproduci finché il tasto è premuto</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Sconosciuto</translation>
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
        <translation>Tasto sinistro</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Tasto centrale</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Tasto destro</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Rotella su</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Rotella giù</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tasto cecchino</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>Configurazione rapida riuscita</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>Configurazione rapida non riuscita</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>Download integrato [non riuscito]</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The keyboard holds at most 10 macros</source>
        <translation>La tastiera contiene al massimo 10 macro</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Download non riuscito, riprovare</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>Inizio scrittura</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>Scrittura completata</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Download riuscito</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>Ripristinare le impostazioni di fabbrica?</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>Ripristino delle impostazioni di fabbrica non riuscito</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>Impostazioni di fabbrica ripristinate</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>Il nome della configurazione non può essere vuoto</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>Nome della configurazione modificato</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>Seleziona prima un tasto!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>Tasto FN impostato</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>Tasto FN1 impostato</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Apri file profilo</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>File profilo(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Cartella di salvataggio</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>Impossibile creare la configurazione</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>Configurazione creata</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleziona prima una cartella di salvataggio</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profilo esportato</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Esportazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Seleziona prima il file da importare</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Importazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profilo importato</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>Deve restare almeno una configurazione</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>Configurazione eliminata</translation>
    </message>
    <message>
        <source>Restore config successful</source>
        <translation>Configurazione ripristinata</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>Mantenere l’impostazione del tasto FN?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>Mantenere l’impostazione del tasto FN1?</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>Impossibile svuotare il livello</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>Livello svuotato</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vuoto</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>Tasto svuotato</translation>
    </message>
    <message>
        <source>Set light effect failed</source>
        <translation>Impostazione dell&apos;effetto luce non riuscita</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Modifica del nome della luce personalizzata non riuscita</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>Profilo aggiunto</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>È stato raggiunto il numero massimo di profili</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Deve rimanere almeno un profilo</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profilo eliminato</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Seleziona programma</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Programma(*)</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Il nome del profilo non può essere vuoto</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Informazioni del profilo modificate</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Ripristinare il profilo corrente?</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Profilo corrente ripristinato</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Ciclo DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Avanti_S</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Indietro_S</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Avanti_D</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Indietro_D</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operazione non riuscita</translation>
    </message>
    <message>
        <source>The sound cannot be captured: Musical Rhythm needs a running sound server.</source>
        <translation>Impossibile catturare l'audio: «Ritmo musicale» richiede un server audio attivo.</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <source>The mouse cannot take this macro: at most 50 key or button events.</source>
        <translation>Il mouse non può ricevere questa macro: al massimo 50 eventi di tasto o pulsante.</translation>
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
        <translation>Informazioni firmware</translation>
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
        <translation>Prodotto</translation>
    </message>
    <message>
        <source>My Keyboard Name</source>
        <translation>Nome della mia tastiera</translation>
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
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo non connesso</translation>
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
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostra desktop</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Blocca computer</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Apri computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>combinazione di tasti</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>Inserisci il tasto？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Disable Key</source>
        <translation>Disattiva tasto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Select app</source>
        <translation>Seleziona app</translation>
    </message>
    <message>
        <source>App path：/usr/bin/gimp</source>
        <translation>Percorso app：/usr/bin/gimp</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Scegli applicazione</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Seleziona file</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Inserisci il testo ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DLinkagePage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Linkage</source>
        <translation>Collegamento</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Accedi</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Tipo di riproduzione</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Riproduci una volta</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Riproduci più volte</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Ripeti on/off</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Finché premuto</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Assegna macro</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Numero di riproduzioni</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Numero di riproduzioni 1,2,3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>Gruppo macro </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>Impostazione ritardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Ritardo registrato</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Nessun ritardo</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Ritardo predefinito</translation>
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
        <translation>Registra</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>Registrazione macro</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>La registrazione è vuota</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 ms</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>Inserisci nella macro</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserisci evento dopo</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserisci evento prima</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Premi un tasto</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Inserisci il ritardo</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Recording could not start</source>
        <translation>Impossibile avviare la registrazione</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Registrazione macro avviata</translation>
    </message>
    <message>
        <source>Keys and clicks are recorded only in this program&apos;s windows</source>
        <translation>Tasti e clic vengono registrati solo nelle finestre di questo programma</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Registrazione macro terminata</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Salvataggio della registrazione non riuscito</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Eliminazione non riuscita</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Seleziona prima una posizione</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>È stato raggiunto il numero massimo di eventi</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Inserimento non riuscito</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Inserimento riuscito</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Modifica non riuscita</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modifica riuscita</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Spostamento non riuscito</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Aggiunta macro non riuscita</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro aggiunta</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Eliminazione macro non riuscita</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminata</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Il nome della macro non può essere vuoto</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nome della macro modificato</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Modifica del nome della macro non riuscita</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Seleziona prima una macro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Svuotamento della macro non riuscito</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Macro svuotata</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Apri file macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>File macro(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Importazione macro non riuscita</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importata</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Cartella di salvataggio</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleziona prima una cartella di salvataggio</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Esportazione macro non riuscita</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro esportata</translation>
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
        <translation>HOME</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>DISPOSITIVO</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>LINKAGE</source>
        <translation>COLLEGAMENTO</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Ri&amp;duci a icona</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>I&amp;ngrandisci</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was left as it is.</source>
        <translation>Impossibile leggere il file %1; è stato lasciato così com&apos;è.</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was kept as %2 and a new one was made.</source>
        <translation>Impossibile leggere il file %1; è stato conservato come %2 ed è stato creato un nuovo file.</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Tasto mouse</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Tasto sinistro</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Tasto centrale</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Tasto destro</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Laterale - Indietro</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Laterale - Avanti</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Rotella giù</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Rotella su</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tasto cecchino</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Luce perimetrale</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Rotella</translation>
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
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Ciclo DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Avanti_S</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Indietro_S</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Avanti_D</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Indietro_D</translation>
    </message>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Tasto sinistro</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Tasto centrale</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Tasto destro</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Rotella su</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Rotella giù</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tasto cecchino</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
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
        <translation>Proprietà del mouse:</translation>
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
        <translation>Ripristina profilo corrente</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>Impostazioni del mouse</translation>
    </message>
    <message>
        <source>No mouse settings tool found</source>
        <translation>Nessuno strumento di impostazioni del mouse trovato</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Brano successivo</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Brano precedente</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume giù</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume su</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lettore</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calcolatrice</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
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
        <translation>Annulla</translation>
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
        <translation>Rimappa tasto</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>combinazione di tasti</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Cambia profilo</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Avvia applicazione</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vuoto</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Se il blocco Win è attivo:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Disattiva tasto Windows</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Disattiva ALT+F4</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Disattiva SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Disattiva ALT+TAB</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Ripristina profilo corrente</translation>
    </message>
    <message>
        <source>Wimdows Keyboard Properties</source>
        <translation>Impostazioni tastiera</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Avvio automatico</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Avvia l&apos;applicazione all&apos;avvio del sistema (ridotta a icona)</translation>
    </message>
    <message>
        <source>Minimize startup to tray</source>
        <translation>Riduci nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Chiudi nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Verifica aggiornamento firmware</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Link Taobao</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Supporto</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Invia feedback</translation>
    </message>
    <message>
        <source>Brivex</source>
        <translation>Brivex</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software applicativo</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Software libero sotto la GNU GPL, versione 3 o successiva.</translation>
    </message>
    <message>
        <source>V_2020.03.17.0001</source>
        <translation>V_2020.03.17.0001</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Nessun dispositivo aggiornabile trovato</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Impostazioni salvate</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Impossibile salvare le impostazioni</translation>
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
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>DTipInfoDia</name>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>DTipInfoDia</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Do you want to save the current light mode to the device?</source>
        <translation>Vuoi salvare la modalità di illuminazione attuale sul dispositivo?</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Aggiorna firmware</translation>
    </message>
    <message>
        <source>If the firmware is being upgraded, do not unplug the device!</source>
        <translation>Durante l&apos;aggiornamento del firmware non scollegare il dispositivo!</translation>
    </message>
    <message>
        <source>Upgrade successful</source>
        <translation>Aggiornamento riuscito</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>Aggiornamento non riuscito</translation>
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
        <translation>Abilita X/Y</translation>
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
        <translation>Riproduci una volta</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Riproduci più volte</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Riproduzione continua on/off</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Riproduci finché il tasto è premuto</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume su</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume giù</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Traccia successiva</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Traccia precedente</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lettore</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calcolatrice</translation>
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
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Tasto sinistro</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Tasto centrale</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Tasto destro</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Rotella su</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Rotella giù</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Tasto laterale sinistro - Avanti</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Tasto laterale sinistro - Indietro</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostra desktop</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Apri risorse del computer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Blocca computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
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
        <translation>Arresto anomalo del programma</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>Ci scusiamo molto per questo arresto anomalo!</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Coreano/Inglese</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Like name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versione attuale:</translation>
    </message>
    <message>
        <source>Upgrade progress:</source>
        <translation>Avanzamento:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nuova versione:</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
</context>
<context>
    <name>keyboardImagePage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>keyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>Non può essere riassegnato</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Riassegna tasto</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Cambia profilo</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profilo:</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Avvia applicazione</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Sconosciuto</translation>
    </message>
</context>
<context>
    <name>keyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modifica nome</translation>
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
        <translation>Modalità app:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In app mode, the function of button customization can only be used when the app is opened. The customized content can only be saved on the computer, and it does not support downloading to the keyboard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In modalità app la personalizzazione dei tasti funziona solo mentre l’app è aperta. Le impostazioni vengono salvate solo sul computer e non possono essere scaricate nella tastiera.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Onboard Editor:</source>
        <translation>Editor integrato:</translation>
    </message>
    <message>
        <source>In onboard editing mode, the interactive light effect is invalid.</source>
        <translation>Nella modalità di modifica integrata gli effetti luminosi interattivi non sono disponibili.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The key can be downloaded and saved to the keyboard according to the customized content. The board can be divided into two layers, the default layer and the FN1 layer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Le impostazioni dei tasti possono essere scaricate e salvate nella tastiera. La tastiera ha due livelli: il livello predefinito e il livello FN1.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Default layer:</source>
        <translation>Livello predefinito:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press the key directly to send the code.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Premere direttamente il tasto per inviare il codice.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>FN1 layer:</source>
        <translation>Livello FN1:</translation>
    </message>
    <message>
        <source>1.Select a key and set it to FN1.</source>
        <translation>1. Selezionare un tasto e impostarlo come FN1.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2.Send the code by combining with the custom FN1 key.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2. Inviare il codice in combinazione con il tasto FN1 personalizzato.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Layers:</source>
        <translation>Livelli:</translation>
    </message>
    <message>
        <source>Default Layer.</source>
        <translation>Livello predefinito.</translation>
    </message>
    <message>
        <source>FN Layer – Factory Preset FN functions.</source>
        <translation>Livello FN – funzioni FN di fabbrica.</translation>
    </message>
    <message>
        <source>FN1 Layer – Can be customized.</source>
        <translation>Livello FN1 – personalizzabile.</translation>
    </message>
</context>
<context>
    <name>onboardKeyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>Non può essere riassegnato</translation>
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
        <translation>Crea nuovo</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modifica nome</translation>
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
        <translation>Svuota livello</translation>
    </message>
</context>
<context>
    <name>proFileOperateMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modifica nome</translation>
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
