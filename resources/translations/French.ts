<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ColorWheelTool</name>
    <message>
        <source>ColorWheelTool</source>
        <translation>Roue chromatique</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>V</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Toutes couleurs</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>Couleur du haut</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>Couleur du bas</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>Lié :</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Assign proFile</source>
        <translation>Attribuer un profil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Réaffecter la touche</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>Réaffecter à la touche ？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>Macro :</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil :</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>No custom features added</source>
        <translation>Aucune fonction personnalisée ajoutée</translation>
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
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Éclairage personnalisé</translation>
    </message>
</context>
<context>
    <name>DDeviceListItem</name>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>Nom du clavier</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Appareil non connecté</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>Profil 1</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personnalisation des touches</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Réglages de l&apos;éclairage</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>Éclairage latéral</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nom du profil</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Nom du profil</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>Lier à un programme</translation>
    </message>
    <message>
        <source>App path：/usr/bin/firefox</source>
        <translation>Chemin de l&apos;application：/usr/bin/firefox</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>Mode application</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>Éditeur embarqué</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Couche par défaut</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Couche FN1</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>Définir FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>Synchroniser l&apos;éclairage</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>Messages du journal</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>Rétablir les réglages d&apos;usine</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>Effet lumineux</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performances</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Liste personnalisée</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>Réglage DPI</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>Clavier virtuel</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>Veuillez d&apos;abord connecter le périphérique !</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>Mode embarqué actif, veuillez d&apos;abord le quitter</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Réaffecter la touche</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>combinaison</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Lancer une application</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Changer de profil</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statique</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiration</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Vague</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillement</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Serpent</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurore</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulation</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Réponse rapide</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Réactif</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Rythme musical</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Ondulation auto</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Stries</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Feux d&apos;artifice</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collision</translation>
    </message>
    <message>
        <source>The profile file could not be read; it was kept as %1 and a new one was made.</source>
        <translation>Le fichier de profil n&apos;a pas pu être lu ; il a été conservé sous %1 et un nouveau a été créé.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>Le fichier de profil n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The profile file cannot be read for lack of permission; it was left as it is.</source>
        <translation>Le fichier de profil ne peut pas être lu faute d&apos;autorisation ; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>Cet appareil ne prend pas en charge la mémoire embarquée</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Le nom de l&apos;éclairage personnalisé ne peut pas être vide</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nom de l&apos;éclairage personnalisé modifié</translation>
    </message>
    <message>
        <source>Set light effect successfully</source>
        <translation>Effet lumineux appliqué</translation>
    </message>
    <message>
        <source>Open light successful</source>
        <translation>Éclairage allumé</translation>
    </message>
    <message>
        <source>Close light successful</source>
        <translation>Éclairage éteint</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Lire une fois</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Lire plusieurs fois</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Lecture continue marche/arrêt</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Lire tant que la touche est enfoncée</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Inconnu</translation>
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
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Bouton central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Bouton droit</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Molette vers le haut</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Molette vers le bas</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Reculer</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Touche sniper</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>Configuration rapide réussie</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>Échec de la configuration rapide</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>Téléchargement embarqué [échec]</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Astuce</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>The keyboard holds at most 10 macros</source>
        <translation>Le clavier contient au plus 10 macros</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Échec du téléchargement, veuillez réessayer</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>Début de l’écriture</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>Écriture terminée</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Téléchargement réussi</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>Restaurer les paramètres d’usine ?</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>Échec de la restauration des paramètres d’usine</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>Paramètres d’usine restaurés</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>Le nom de la configuration ne peut pas être vide</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>Nom de la configuration modifié</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>Veuillez d&apos;abord choisir une touche !</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>Touche FN définie</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>Touche FN1 définie</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Ouvrir un fichier de profil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Fichiers de profil(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>Impossible de créer la configuration</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>Configuration créée</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Veuillez d&apos;abord choisir un dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil exporté</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Échec de l&apos;exportation du profil</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Veuillez d&apos;abord choisir le fichier à importer</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Échec de l&apos;importation du profil</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil importé</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>Il faut garder au moins une configuration</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>Configuration supprimée</translation>
    </message>
    <message>
        <source>Restore config successful</source>
        <translation>Configuration restaurée</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>Voulez-vous conserver le réglage de la touche FN ?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>Voulez-vous conserver le réglage de la touche FN1 ?</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>Impossible de vider la couche</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>Couche vidée</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>Touche vidée</translation>
    </message>
    <message>
        <source>Set light effect failed</source>
        <translation>Échec de l&apos;application de l&apos;effet lumineux</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Échec de la modification du nom de l&apos;éclairage personnalisé</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>Profil ajouté</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Le nombre maximal de profils est atteint</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Au moins un profil doit être conservé</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil supprimé</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Choisir un programme</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Programme(*)</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Le nom du profil ne peut pas être vide</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Informations du profil modifiées</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Réinitialiser le profil actuel ?</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Profil actuel réinitialisé</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Cycle DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Avant_G</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Arrière_G</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Avant_D</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Arrière_D</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Échec de l&apos;opération</translation>
    </message>
    <message>
        <source>The sound cannot be captured: Musical Rhythm needs a running sound server.</source>
        <translation>Le son ne peut pas être capté : « Rythme musical » a besoin d'un serveur de son actif.</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Opération réussie</translation>
    </message>
    <message>
        <source>The mouse cannot take this macro: at most 50 key or button events.</source>
        <translation>La souris ne peut pas prendre cette macro : 50 événements de touche ou de bouton au plus.</translation>
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
        <translation>Informations sur le firmware</translation>
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
        <translation>Produit</translation>
    </message>
    <message>
        <source>My Keyboard Name</source>
        <translation>Nom de mon clavier</translation>
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
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Appareil non connecté</translation>
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
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Verrouiller le PC</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Poste de travail</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>combinaison de touches</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>Saisissez la touche ？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Disable Key</source>
        <translation>Désactiver la touche</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Select app</source>
        <translation>Choisir une appli</translation>
    </message>
    <message>
        <source>App path：/usr/bin/gimp</source>
        <translation>Chemin de l’application：/usr/bin/gimp</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Choisir l’application</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Choisir un fichier</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Saisir le texte ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DLinkagePage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Linkage</source>
        <translation>Liaison</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Mode de lecture</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Lire une fois</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Lire plusieurs fois</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Répéter oui/non</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Tant que enfoncée</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Attribuer une macro</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Nombre de lectures</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Nombre de lectures 1,2,3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>Groupe de macros </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>Réglage du délai</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Délai enregistré</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sans délai</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Délai fixe</translation>
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
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>Enregistrement de la macro</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>L&apos;enregistrement est vide</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 ms</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>Insérer dans la macro</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insérer l&apos;événement après</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insérer l&apos;événement avant</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Appuyez sur une touche</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Saisissez le délai</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Recording could not start</source>
        <translation>L&apos;enregistrement n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Enregistrement de la macro démarré</translation>
    </message>
    <message>
        <source>Keys and clicks are recorded only in this program&apos;s windows</source>
        <translation>Les touches et les clics ne sont enregistrés que dans les fenêtres de ce programme</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Enregistrement de la macro arrêté</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Échec de l&apos;enregistrement de la macro</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Sélectionnez d&apos;abord un emplacement</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Le nombre maximal d&apos;événements est atteint</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Échec de l&apos;insertion</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Insertion réussie</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Échec de la modification</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modification réussie</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Échec du déplacement</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Échec de l&apos;ajout de la macro</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro ajoutée</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Échec de la suppression de la macro</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro supprimée</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Le nom de la macro ne peut pas être vide</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nom de la macro modifié</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Échec de la modification du nom de la macro</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Sélectionnez d&apos;abord une macro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Échec de l&apos;effacement de la macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Macro effacée</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Ouvrir un fichier de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Fichiers de macro(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Échec de l&apos;importation de la macro</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importée</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Sélectionnez d&apos;abord un dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Échec de l&apos;exportation de la macro</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportée</translation>
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
        <translation>ACCUEIL</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>APPAREIL</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>LINKAGE</source>
        <translation>LIAISON</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Agra&amp;ndir</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was left as it is.</source>
        <translation>Le fichier %1 n&apos;a pas pu être lu ; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was kept as %2 and a new one was made.</source>
        <translation>Le fichier %1 n&apos;a pas pu être lu ; il a été conservé sous le nom %2 et un nouveau a été créé.</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Touche souris</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Bouton central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Bouton droit</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Latéral - Précédent</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Latéral - Suivant</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Molette vers le bas</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Molette vers le haut</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Touche sniper</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Éclairage périphérique</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Molette</translation>
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
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Cycle DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Avant_G</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Arrière_G</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Avant_D</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Arrière_D</translation>
    </message>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Molette vers le haut</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Molette vers le bas</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Reculer</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Touche sniper</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
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
        <translation>Propriétés de la souris :</translation>
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
        <translation>Réinitialiser le profil actuel</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>Paramètres de la souris</translation>
    </message>
    <message>
        <source>No mouse settings tool found</source>
        <translation>Aucun outil de paramètres de la souris trouvé</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Baisser le volume</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Augmenter le volume</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Réaffecter la touche</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>combinaison de touches</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Changer de profil</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Lancer une application</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Si le verrouillage Win est actif :</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Bloquer touche Win</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Désactiver ALT+F4</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Désactiver SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Désactiver ALT+TAB</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Réinitialiser le profil actuel</translation>
    </message>
    <message>
        <source>Wimdows Keyboard Properties</source>
        <translation>Paramètres du clavier</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Image d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Démarrage automatique</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Lancer l&apos;application au démarrage du système (réduite)</translation>
    </message>
    <message>
        <source>Minimize startup to tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Fermer dans la zone de notification</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à niveau</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Vérifier la mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Lien Taobao</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Envoyer un avis</translation>
    </message>
    <message>
        <source>Brivex</source>
        <translation>Brivex</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Logiciel d&apos;application</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Logiciel libre sous licence GNU GPL, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>V_2020.03.17.0001</source>
        <translation>V_2020.03.17.0001</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Aucun appareil à mettre à jour trouvé</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Paramètres enregistrés</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Impossible d&apos;enregistrer les paramètres</translation>
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
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>DTipInfoDia</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>DTipInfoDia</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Do you want to save the current light mode to the device?</source>
        <translation>Voulez-vous enregistrer le mode d&apos;éclairage actuel sur l&apos;appareil ?</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Mettre à jour le micrologiciel</translation>
    </message>
    <message>
        <source>If the firmware is being upgraded, do not unplug the device!</source>
        <translation>Pendant la mise à jour du micrologiciel, ne débranchez pas l&apos;appareil !</translation>
    </message>
    <message>
        <source>Upgrade successful</source>
        <translation>Mise à jour réussie</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>Échec de la mise à jour</translation>
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
        <translation>Activer X/Y</translation>
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
        <translation>Lire une fois</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Lire plusieurs fois</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Lecture continue marche/arrêt</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Lire tant que la touche est enfoncée</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Molette haut</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Molette bas</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Bouton latéral gauche - Avancer</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Bouton latéral gauche - Reculer</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Ouvrir le poste de travail</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Verrouiller l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
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
        <translation>Plantage du programme</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>Nous sommes vraiment désolés pour ce plantage !</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Coréen/Anglais</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Like name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Version actuelle :</translation>
    </message>
    <message>
        <source>Upgrade progress:</source>
        <translation>Progression :</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nouvelle version :</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>keyboardImagePage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>keyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>Ne peut pas être réassignée</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Réassigner la touche</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Changer de profil</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil :</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Lancer une application</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>keyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modifier le nom</translation>
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
        <translation>Mode application :</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In app mode, the function of button customization can only be used when the app is opened. The customized content can only be saved on the computer, and it does not support downloading to the keyboard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;En mode application, la personnalisation des touches ne fonctionne que lorsque l’application est ouverte. Les réglages sont enregistrés uniquement sur l’ordinateur et ne peuvent pas être téléchargés dans le clavier.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Onboard Editor:</source>
        <translation>Éditeur embarqué :</translation>
    </message>
    <message>
        <source>In onboard editing mode, the interactive light effect is invalid.</source>
        <translation>En mode d’édition embarqué, les effets lumineux interactifs ne sont pas disponibles.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The key can be downloaded and saved to the keyboard according to the customized content. The board can be divided into two layers, the default layer and the FN1 layer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Les réglages des touches peuvent être téléchargés et enregistrés dans le clavier. Le clavier dispose de deux couches : la couche par défaut et la couche FN1.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Default layer:</source>
        <translation>Couche par défaut :</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press the key directly to send the code.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Appuyez directement sur la touche pour envoyer le code.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>FN1 layer:</source>
        <translation>Couche FN1 :</translation>
    </message>
    <message>
        <source>1.Select a key and set it to FN1.</source>
        <translation>1. Choisissez une touche et définissez-la comme FN1.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2.Send the code by combining with the custom FN1 key.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2. Envoyez le code en combinaison avec la touche FN1 personnalisée.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Layers:</source>
        <translation>Couches :</translation>
    </message>
    <message>
        <source>Default Layer.</source>
        <translation>Couche par défaut.</translation>
    </message>
    <message>
        <source>FN Layer – Factory Preset FN functions.</source>
        <translation>Couche FN – fonctions FN d’usine.</translation>
    </message>
    <message>
        <source>FN1 Layer – Can be customized.</source>
        <translation>Couche FN1 – personnalisable.</translation>
    </message>
</context>
<context>
    <name>onboardKeyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>Ne peut pas être réassignée</translation>
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
        <translation>Créer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modifier le nom</translation>
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
        <translation>Vider la couche</translation>
    </message>
</context>
<context>
    <name>proFileOperateMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modifier le nom</translation>
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
