<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>AppProfileSwitcher</name>
    <message>
        <source>No X display: the program in front cannot be seen, so profiles do not follow programs.</source>
        <translation>Aucun affichage X : le programme au premier plan est invisible, les profils ne suivent donc pas les programmes.</translation>
    </message>
    <message>
        <source>The window manager does not tell which window is in front, so profiles do not follow programs.</source>
        <translation>Le gestionnaire de fenêtres n'indique pas quelle fenêtre est au premier plan, les profils ne suivent donc pas les programmes.</translation>
    </message>
    <message>
        <source>The window in front is not visible to this program (a native Wayland window), so nothing switches.</source>
        <translation>La fenêtre au premier plan est invisible pour ce programme (une fenêtre Wayland native) : rien ne change.</translation>
    </message>
    <message>
        <source>No window is in front.</source>
        <translation>Aucune fenêtre n'est au premier plan.</translation>
    </message>
    <message>
        <source>Following the program in front: %1, no rule.</source>
        <translation>Suivi du programme au premier plan : %1, aucune règle.</translation>
    </message>
    <message>
        <source>Following the program in front: %1, "%2" is in the active slot.</source>
        <translation>Suivi du programme au premier plan : %1, « %2 » est dans l'emplacement actif.</translation>
    </message>
    <message>
        <source>The rule for %1 names "%2", which is not in the profile library.</source>
        <translation>La règle de %1 désigne « %2 », qui n'est pas dans la bibliothèque de profils.</translation>
    </message>
    <message>
        <source>"%1" is held by another slot, so it cannot go into the active one.</source>
        <translation>« %1 » occupe un autre emplacement et ne peut donc pas aller dans l'emplacement actif.</translation>
    </message>
    <message>
        <source>"%1" goes to the mouse for %2 as soon as it can.</source>
        <translation>« %1 » sera envoyé à la souris pour %2 dès que possible.</translation>
    </message>
    <message>
        <source>A switch to "%1" for %2 was skipped: the window has changes not yet applied.</source>
        <translation>Le passage à « %1 » pour %2 a été ignoré : la fenêtre contient des modifications non appliquées.</translation>
    </message>
    <message>
        <source>"%1" could not be put into the active slot.</source>
        <translation>« %1 » n'a pas pu être placé dans l'emplacement actif.</translation>
    </message>
    <message>
        <source>Switching to "%1" for %2.</source>
        <translation>Passage à « %1 » pour %2.</translation>
    </message>
    <message>
        <source>Switched to "%1".</source>
        <translation>Passé à « %1 ».</translation>
    </message>
    <message>
        <source>The switch to "%1" could not be sent to the mouse.</source>
        <translation>Le passage à « %1 » n'a pas pu être envoyé à la souris.</translation>
    </message>
</context>
<context>
    <name>ButtonFunction</name>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>Touche simple</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>Tir rapide</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Bouton désactivé</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout sélectionner</translation>
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
    <message>
        <source>Switch Window</source>
        <translation>Changer de fenêtre</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Poste de travail</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>Verrouiller le PC</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Navigateur : accueil</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Navigateur : précédent</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Navigateur : suivant</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Navigateur : arrêter</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Navigateur : actualiser</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Navigateur : rechercher</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Navigateur : favoris</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Courrier</translation>
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
        <source>Previous Track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Piste suivante</translation>
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
        <source>Media Player</source>
        <translation>Lecteur multimédia</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>Changer de DPI</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>Taux +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Taux -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Molette haut</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Molette bas</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Éclairage marche/arrêt</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>Sniper</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profil +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profil -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Changer de profil</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Touche patron</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>Changer de taux</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Taux d'interrogation</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Menu des profils</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Gestionnaire de macros</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>Fichiers de tir</translation>
    </message>
</context>
<context>
    <name>HColorArea</name>
    <message>
        <source>Hue</source>
        <translation>Teinte</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>LCtr</source>
        <translation>Ctrl gauche</translation>
    </message>
    <message>
        <source>RCtr</source>
        <translation>Ctrl droite</translation>
    </message>
    <message>
        <source>LShift</source>
        <translation>Maj gauche</translation>
    </message>
    <message>
        <source>RShift</source>
        <translation>Maj droite</translation>
    </message>
    <message>
        <source>LAlt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>RAlt</source>
        <translation>Alt Gr</translation>
    </message>
    <message>
        <source>LWindows</source>
        <translation>Windows gauche</translation>
    </message>
    <message>
        <source>RWindows</source>
        <translation>Windows droite</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>Verr. Maj</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Impr. écran</translation>
    </message>
    <message>
        <source>Pause Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Arrêt défil.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page préc.</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page suiv.</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Num De</source>
        <translation>Num Suppr</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Verr. Num</translation>
    </message>
    <message>
        <source>Num Enter</source>
        <translation>Num Entrée</translation>
    </message>
    <message>
        <source>Left Button</source>
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation>Bouton droit</translation>
    </message>
    <message>
        <source>Middle Button</source>
        <translation>Bouton du milieu</translation>
    </message>
</context>
<context>
    <name>ProgramsDialog</name>
    <message>
        <source>Programs</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>When a program below comes to the front, its profile goes into the active slot.</source>
        <translation>Quand un programme ci-dessous passe au premier plan, son profil va dans l'emplacement actif.</translation>
    </message>
    <message>
        <source>Program rules</source>
        <translation>Règles des programmes</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>window class or program name</source>
        <translation>classe/programme</translation>
    </message>
    <message>
        <source>Pick an open window or type its window class or its program's name.</source>
        <translation>Choisissez une fenêtre ouverte ou tapez sa classe de fenêtre ou le nom de son programme.</translation>
    </message>
    <message>
        <source>Profile for the program</source>
        <translation>Profil du programme</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add the rule</source>
        <translation>Ajouter la règle</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove the chosen rule</source>
        <translation>Supprimer la règle choisie</translation>
    </message>
    <message>
        <source>Profile for other programs</source>
        <translation>Profil des autres programmes</translation>
    </message>
    <message>
        <source>Keep what is there</source>
        <translation>Garder le profil en place</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programme :</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil :</translation>
    </message>
    <message>
        <source>Other programs:</source>
        <translation>Autres programmes :</translation>
    </message>
    <message>
        <source>This profile is not in the library.</source>
        <translation>Ce profil n'est pas dans la bibliothèque.</translation>
    </message>
    <message>
        <source>The program rules could not be saved: %1</source>
        <translation>Les règles des programmes n'ont pas pu être enregistrées : %1</translation>
    </message>
    <message>
        <source>Name a program by its window class or its program's name: 1 to %1 characters, without control characters.</source>
        <translation>Désignez un programme par sa classe de fenêtre ou le nom de son programme : 1 à %1 caractères, sans caractères de contrôle.</translation>
    </message>
    <message>
        <source>Choose a profile from the library.</source>
        <translation>Choisissez un profil de la bibliothèque.</translation>
    </message>
    <message>
        <source>There can be at most %1 program rules.</source>
        <translation>Il peut y avoir au plus %1 règles de programmes.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source> DOWN</source>
        <translation> APPUI</translation>
    </message>
    <message>
        <source> MINUTE</source>
        <translation> min</translation>
    </message>
    <message>
        <source> UP</source>
        <translation> RELÂCHÉ</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation type="vanished">&amp;Charger la configuration</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="vanished">&amp;Quitter</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>1mm</source>
        <translation>1mm</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 Hz</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2mm</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>7 COLOR</source>
        <translation>7 couleurs</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>Respiration 7 couleurs</translation>
    </message>
    <message>
        <source>7 COLOR with tail</source>
        <translation>7 couleurs avec traîne</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>AJOUTER</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation type="vanished">Avancé</translation>
    </message>
    <message>
        <source>All</source>
        <translation type="vanished">Tout sélectionner</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>Correction d'angle</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation type="vanished">APPLIQUER</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Voulez-vous vraiment supprimer ce profil ?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Tout réinitialiser ? Le profil 1 et les réglages communs de la souris reprennent leurs valeurs d'usine, les cinq emplacements retrouvent leur nom par défaut et l'emplacement 1 devient actif. Les profils des emplacements 2 à 5 sont conservés.</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Voulez-vous vraiment rétablir les réglages d'usine de ce profil ?</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>Au moins un bouton doit garder le clic gauche.</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>Il faut garder au moins un profil.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="vanished">Arrière</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>ARRIÈRE</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation type="vanished">Base</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>LOT</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation type="vanished">Touche patron</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>BAS</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>RELÂCHER</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>Respiration</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>LUMINOSITÉ</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation type="vanished">Navigateur : précédent</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation type="vanished">Navigateur : favoris</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation type="vanished">Navigateur : suivant</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation type="vanished">Navigateur : accueil</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation type="vanished">Navigateur : actualiser</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation type="vanished">Navigateur : rechercher</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation type="vanished">Navigateur : arrêter</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>BALLES</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation type="vanished">Bouton désactivé</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>RENOMMER</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>EFFACER</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="vanished">Fermer la fenêtre</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COULEUR</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>Édition de couleur</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation type="vanished">COMBINAISON</translation>
    </message>
    <message>
        <source>Combo Key</source>
        <translation type="vanished">Combinaison</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Fichiers de configuration (*.conf)</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIER</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="vanished">Copier</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>PERSONNALISER</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="vanished">Couper</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>COUPER</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>DÉLAI</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>DÉLAI (ms)</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>DÉLAI (ms)</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation type="vanished">Délai :</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>SUPPRIMER</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Voulez-vous mettre à jour le firmware ?</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Récepteur déconnecté !</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation type="vanished">DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation type="vanished">DPI -</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation type="vanished">Changer de DPI</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>MODIFIER</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFET</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>Activer la synchro</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORTER</translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="vanished">Rechercher</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation type="vanished">TIR RAPIDE</translation>
    </message>
    <message>
        <source>FireKey Setting</source>
        <translation type="vanished">Réglage du tir rapide</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Mise à jour du firmware</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="vanished">Avant</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>AVANT</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Dessus</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>Allumage fixe</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>RAFALE</translation>
    </message>
    <message>
        <source>Gun Set</source>
        <translation>Réglage du tir</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation type="vanished">Gestionnaire de tirs</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>NOM DU FICHIER</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation type="vanished">CHOIX DU FICHIER DE TIR</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>DÉLAI PAR DÉFAUT</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>INSÉRER UN DÉLAI</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Anti-tremblement</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TOUCHE</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>Réponse des touches</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation type="vanished">Touche du clavier</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation type="vanished">Éclairage marche/arrêt</translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="vanished">Gauche</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation type="vanished">Le bouton gauche ne peut pas recevoir une fonction de tir.</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>CLIC GAUCHE</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>Distance de levée</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Distance de levée</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>ÉCLAIRAGE</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>Lier X et Y</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Charger un fichier de configuration</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Charger un fichier de macro</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Charger un fichier de profil</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>CHARGER</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation type="vanished">Verrouiller le PC</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>RÉPÉTITIONS (1-255)</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation type="vanished">Cette macro existe déjà !</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation type="vanished">Fichier de macro(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation type="vanished">Gestionnaire de macros</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>NOM DE LA MACRO</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation type="vanished">CHOIX DE MACRO</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation type="vanished">Courrier</translation>
    </message>
    <message>
        <source>Media</source>
        <translation type="vanished">Multimédia</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation type="vanished">Lecteur multimédia</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="vanished">Milieu</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>CLIC DU MILIEU</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation type="vanished">ACTION DE LA SOURIS</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>SOURIS</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>SOURIS ÉTEINTE</translation>
    </message>
    <message>
        <source>Mouse Setting</source>
        <translation>Réglages de la souris</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>DESCENDRE</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>À GAUCHE</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>À DROITE</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>ÉTEINDRE EN MOUVEMENT</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MONTER</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>MOUVEMENT</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="vanished">Muet</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation type="vanished">Poste de travail</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>New</source>
        <translation type="vanished">Nouveau</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NOUVEAU</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation type="vanished">Piste suivante</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DÉSACTIVÉ</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ACTIVÉ</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>Une ou plusieurs touches sont encore enfoncées.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="vanished">Coller</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>COLLER</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation type="vanished">Lecture/Pause</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Veuillez saisir un nom de fichier.</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation type="vanished">Taux d'interrogation</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Appui</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>APPUYER</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Appuyez sur Entrée pour appliquer</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation type="vanished">Piste précédente</translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="vanished">Imprimer</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation type="vanished">Profil +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation type="vanished">Profil -</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Un profil porte déjà ce nom.</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Fichiers de profil (*.prof)</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Ce profil est déjà dans un autre emplacement.</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation type="vanished">Menu des profils</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation type="vanished">Changer de profil</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>Arc-en-ciel</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation type="vanished">Taux +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation type="vanished">Taux -</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation type="vanished">Changer de taux</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>Réactif</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>ENREGISTRER APRÈS</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>ENREGISTRER LES DÉLAIS</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Relâchement</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>RÉPÉTER JUSQU'À NOUVEL APPUI</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation type="vanished">RÉPÉTER JUSQU'À LA PROCHAINE PRESSION</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>RÉPÉTER TANT QU'ON APPUIE</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>TAUX D'INTERROGATION</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RÉINITIALISER</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Tout réinitialiser</translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="vanished">Droite</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>CLIC DROIT</translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="vanished">Exécuter</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAUVER</translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="vanished">Enregistrer</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Enregistrer le fichier de configuration</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Enregistrer le fichier de macro</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Enregistrer le fichier de profil</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation type="vanished">Défilement bas</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>VITESSE DE DÉFILEMENT</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation type="vanished">Défilement haut</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>L'envoi des réglages à la souris a échoué. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation type="vanished">Afficher le bureau</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation type="vanished">TOUCHE SIMPLE</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation type="vanished">Touche simple</translation>
    </message>
    <message>
        <source>Single WAVE</source>
        <translation>Vague simple</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>MISE EN VEILLE</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation type="vanished">SNIPER</translation>
    </message>
    <message>
        <source>Sniper Setting</source>
        <translation type="vanished">Réglage sniper</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>VITESSE</translation>
    </message>
    <message>
        <source>START</source>
        <translation>DÉMARRER</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="vanished">Arrêt</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>ARRÊTER</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation type="vanished">Changer de fenêtre</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>Les profils par défaut ne peuvent être ni supprimés ni renommés.</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>Ce fichier ne correspond pas à la souris actuelle !</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation type="vanished">Fois :</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Pour mettre à jour le firmware, reliez la souris à l'ordinateur par le câble.</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>Impossible de créer une macro de plus : le nombre maximal est atteint.</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>HAUT</translation>
    </message>
    <message>
        <source>Tri-color running</source>
        <translation>Défilement tricolore</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation type="vanished">Volume -</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation type="vanished">Volume +</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVERTISSEMENT</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>Vague</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation type="vanished">Windows</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>Yo-yo</translation>
    </message>
    <message>
        <source>ZiziraziWidget</source>
        <translation type="vanished">ZiziraziWidget</translation>
    </message>
    <message>
        <source>EFFECT 12</source>
        <translation>Effet 12</translation>
    </message>
    <message>
        <source>EFFECT 13</source>
        <translation>Effet 13</translation>
    </message>
    <message>
        <source>H </source>
        <translation>T </translation>
    </message>
    <message>
        <source>S </source>
        <translation>S </translation>
    </message>
    <message>
        <source>V </source>
        <translation>L </translation>
    </message>
    <message>
        <source>R </source>
        <translation>R </translation>
    </message>
    <message>
        <source>G </source>
        <translation>V </translation>
    </message>
    <message>
        <source>B </source>
        <translation>B </translation>
    </message>
    <message>
        <source>No mouse settings program of a known desktop was found. Open your desktop's settings and choose the mouse there.</source>
        <translation>Aucun programme de réglage de la souris d'un bureau connu n'a été trouvé. Ouvrez les paramètres de votre bureau et choisissez la souris.</translation>
    </message>
    <message>
        <source>DPI : %d</source>
        <translation>DPI : %d</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Les réglages n'ont pas pu être enregistrés : %1</translation>
    </message>
    <message>
        <source>This name cannot be used for a profile: it needs 1 to 100 characters, without slashes, "..", control characters or blanks at either end, and it cannot be "DefaultProfile" or a default name in other letter case ("profile 1").</source>
        <translation>Ce nom ne peut pas servir pour un profil : il doit compter de 1 à 100 caractères, sans barres obliques, « .. », caractères de contrôle ni espaces au début ou à la fin, et ne peut pas être « DefaultProfile » ni un nom par défaut écrit avec une autre casse (« profile 1 »).</translation>
    </message>
    <message>
        <source>Every other profile is in use in another slot, so none can take this one's place.</source>
        <translation>Tous les autres profils sont utilisés dans un autre emplacement ; aucun ne peut prendre la place de celui-ci.</translation>
    </message>
    <message>
        <source>This profile is not in the library or its file is missing.</source>
        <translation>Ce profil n'est pas dans la bibliothèque ou son fichier est introuvable.</translation>
    </message>
    <message>
        <source>No mouse model is known yet, so there is no profile library.</source>
        <translation>Aucun modèle de souris n'est encore connu : il n'y a donc pas de bibliothèque de profils.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file could not be written; nothing was changed.</source>
        <translation>Le fichier n'a pas pu être écrit ; rien n'a été modifié.</translation>
    </message>
    <message>
        <source>Delete the macro "%1"?</source>
        <translation>Supprimer la macro « %1 » ?</translation>
    </message>
    <message>
        <source>Tick the macros to export first.</source>
        <translation>Cochez d'abord les macros à exporter.</translation>
    </message>
    <message>
        <source>%1 of these macros already exist in that folder (%2). Replace them?</source>
        <translation>%1 de ces macros existent déjà dans ce dossier (%2). Les remplacer ?</translation>
    </message>
    <message>
        <source>A macro holds at most %1 events.</source>
        <translation>Une macro contient au plus %1 événements.</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>IMPORT PROFILE</source>
        <translation>IMPORTER UN PROFIL</translation>
    </message>
    <message>
        <source>EXPORT PROFILE</source>
        <translation>EXPORTER LE PROFIL</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Choose the mouse</source>
        <translation>Choisir la souris</translation>
    </message>
    <message>
        <source>Profile library</source>
        <translation type="vanished">Bibliothèque de profils</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation type="vanished">Importer un profil</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation type="vanished">Exporter le profil</translation>
    </message>
    <message>
        <source>Profile slot on the mouse</source>
        <translation>Emplacement de profil sur la souris</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nom du profil</translation>
    </message>
    <message>
        <source>Add a new profile to the library</source>
        <translation>Ajouter un nouveau profil à la bibliothèque</translation>
    </message>
    <message>
        <source>Copy the profile in use into a new library profile</source>
        <translation>Copier le profil utilisé dans un nouveau profil de la bibliothèque</translation>
    </message>
    <message>
        <source>Delete the profile in use from the library</source>
        <translation>Supprimer le profil utilisé de la bibliothèque</translation>
    </message>
    <message>
        <source>Reset the profile in use to the factory settings</source>
        <translation>Rétablir les réglages d'usine du profil utilisé</translation>
    </message>
    <message>
        <source>Add a profile file to the library</source>
        <translation>Ajouter un fichier de profil à la bibliothèque</translation>
    </message>
    <message>
        <source>Save the profile in use to a file</source>
        <translation>Enregistrer le profil utilisé dans un fichier</translation>
    </message>
    <message>
        <source>Profile in use: %1</source>
        <translation>Profil utilisé : %1</translation>
    </message>
    <message>
        <source>Opens the profile library</source>
        <translation>Ouvre la bibliothèque de profils</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>En charge</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Récepteur</translation>
    </message>
    <message>
        <source>The mouse from above</source>
        <translation>La souris vue de dessus</translation>
    </message>
    <message>
        <source>The mouse from the side</source>
        <translation>La souris vue de côté</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Mouse button %1</source>
        <translation>Bouton de souris %1</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Défilement vers le haut</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Défilement vers le bas</translation>
    </message>
    <message>
        <source>The settings are on the mouse.</source>
        <translation>Les réglages sont sur la souris.</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Actions to insert</source>
        <translation>Actions à insérer</translation>
    </message>
    <message>
        <source>Events of the macro</source>
        <translation>Événements de la macro</translation>
    </message>
    <message>
        <source>Default delay in ms</source>
        <translation>Délai par défaut en ms</translation>
    </message>
    <message>
        <source>Number of loops</source>
        <translation>Nombre de boucles</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>Taux de rapport</translation>
    </message>
    <message>
        <source>Stage %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <translation>%1 DPI</translation>
    </message>
    <message>
        <source>X %1 DPI</source>
        <translation>X %1 DPI</translation>
    </message>
    <message>
        <source>Y %1 DPI</source>
        <translation>Y %1 DPI</translation>
    </message>
    <message>
        <source>PROGRAMS</source>
        <translation>PROGRAMMES</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>Aucun profil</translation>
    </message>
    <message>
        <source>"%1" is not a regular file.</source>
        <translation>« %1 » n'est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>"%1" is in the program's own settings folder; nothing is exported there.</source>
        <translation>« %1 » se trouve dans le dossier de réglages du programme ; rien n'y est exporté.</translation>
    </message>
    <message>
        <source>A macro name can have at most %1 characters.</source>
        <translation>Un nom de macro ne peut pas dépasser %1 caractères.</translation>
    </message>
    <message>
        <source>Writing to the mouse…</source>
        <translation>Écriture dans la souris…</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the mouse</source>
        <translation>%1 sur %2 envoyés à la souris</translation>
    </message>
    <message>
        <source>Try %1</source>
        <translation>Essai %1</translation>
    </message>
    <message>
        <source>Not yet on the mouse</source>
        <translation>La macro est pleine à %1 événements : les %2 derniers événements de touche n'ont pas été enregistrés.</translation>
    </message>
    <message>
        <source>The file holds a value outside what can be set; nothing was changed.</source>
        <translation>Le fichier contient une valeur hors des limites réglables ; rien n'a été modifié.</translation>
    </message>
    <message>
        <source>"%1" already exists. Replace it?</source>
        <translation>« %1 » existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>wheel up</source>
        <translation>molette vers le haut</translation>
    </message>
    <message>
        <source>wheel down</source>
        <translation>molette vers le bas</translation>
    </message>
    <message>
        <source>button %1</source>
        <translation>bouton %1</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>Valeurs admises : de %1 à %2</translation>
    </message>
    <message>
        <source>The macro "%1" is used by %2. Delete it? Those buttons get their factory function back.</source>
        <translation>La macro « %1 » est utilisée par %2. La supprimer ? Ces boutons retrouvent leur fonction d'usine.</translation>
    </message>
    <message>
        <source>The macro is full at %1 events: the last %2 key events were not recorded.</source>
        <translation>La macro est pleine à %1 événements : les %2 derniers événements de touche n'ont pas été enregistrés.</translation>
    </message>
    <message>
        <source>Desktop: %1 (%2)</source>
        <translation>Bureau : %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot be set here: %1</source>
        <translation>Impossible ici : %1</translation>
    </message>
    <message>
        <source>The choice could not be saved in %1.</source>
        <translation>Le choix n'a pas pu être enregistré dans %1.</translation>
    </message>
    <message>
        <source>Pointer speed</source>
        <translation>Vitesse du pointeur</translation>
    </message>
    <message>
        <source>Set the desktop's pointer speed with this profile</source>
        <translation>Régler la vitesse du pointeur du bureau avec ce profil</translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>A macro name can have at most %1 characters.</source>
        <translation type="vanished">Un nom de macro ne peut pas dépasser %1 caractères.</translation>
    </message>
    <message>
        <source>The file holds a value outside what can be set; nothing was changed.</source>
        <translation type="vanished">Le fichier contient une valeur hors des limites réglables ; rien n'a été modifié.</translation>
    </message>
    <message>
        <source>"%1" already exists. Replace it?</source>
        <translation type="vanished">« %1 » existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>wheel up</source>
        <translation type="vanished">molette vers le haut</translation>
    </message>
    <message>
        <source>wheel down</source>
        <translation type="vanished">molette vers le bas</translation>
    </message>
    <message>
        <source>button %1</source>
        <translation type="vanished">bouton %1</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation type="vanished">Valeurs admises : de %1 à %2</translation>
    </message>
    <message>
        <source>The macro "%1" is used by %2. Delete it? Those buttons get their factory function back.</source>
        <translation type="vanished">La macro « %1 » est utilisée par %2. La supprimer ? Ces boutons retrouvent leur fonction d'usine.</translation>
    </message>
    <message>
        <source>"%1" is not a regular file.</source>
        <translation type="vanished">« %1 » n'est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Writing to the mouse…</source>
        <translation type="vanished">Écriture dans la souris…</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the mouse</source>
        <translation type="vanished">%1 sur %2 envoyés à la souris</translation>
    </message>
    <message>
        <source>Try %1</source>
        <translation type="vanished">Essai %1</translation>
    </message>
    <message>
        <source>Not yet on the mouse</source>
        <translation type="vanished">La macro est pleine à %1 événements : les %2 derniers événements de touche n'ont pas été enregistrés.</translation>
    </message>
    <message>
        <source>Desktop: %1 (%2)</source>
        <translation type="vanished">Bureau : %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot be set here: %1</source>
        <translation type="vanished">Impossible ici : %1</translation>
    </message>
    <message>
        <source>The choice could not be saved in %1.</source>
        <translation type="vanished">Le choix n'a pas pu être enregistré dans %1.</translation>
    </message>
    <message>
        <source>Pointer speed</source>
        <translation type="vanished">Vitesse du pointeur</translation>
    </message>
    <message>
        <source>Set the desktop's pointer speed with this profile</source>
        <translation type="vanished">Régler la vitesse du pointeur du bureau avec ce profil</translation>
    </message>
    <message>
        <source>Saturation and brightness</source>
        <translation>Saturation et luminosité</translation>
    </message>
    <message>
        <source>The macro is full at %1 events: the last %2 key events were not recorded.</source>
        <translation type="vanished">La macro est pleine à %1 événements : les %2 derniers événements de touche n'ont pas été enregistrés.</translation>
    </message>
    <message>
        <source>Saturation %1 %, brightness %2 %</source>
        <translation>Saturation %1 %, luminosité %2 %</translation>
    </message>
</context>
<context>
    <name>ZelBtnWindow</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Le bouton gauche ne peut pas recevoir une fonction de tir.</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>CHOIX DU FICHIER DE TIR</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>CHOIX DE MACRO</translation>
    </message>
    <message>
        <source>Fire %1 ×%2 / %3 ms</source>
        <translation>Tir %1 ×%2 / %3 ms</translation>
    </message>
    <message>
        <source>SNIPER %1 DPI</source>
        <translation>SNIPER %1 DPI</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Win</translation>
    </message>
</context>
<context>
    <name>ZelComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>Combinaison</translation>
    </message>
    <message>
        <source>Hold the modifier keys and press one more key, for example Ctrl and C. Then click OK.</source>
        <translation>Maintenez les touches de modification et appuyez sur une autre touche, par exemple Ctrl et C. Cliquez ensuite sur OK.</translation>
    </message>
    <message>
        <source>Press the keys of the combination together.</source>
        <translation>Appuyez ensemble sur les touches de la combinaison.</translation>
    </message>
</context>
<context>
    <name>ZelFireKeyWindow</name>
    <message>
        <source>FireKey Setting</source>
        <translation>Réglage du tir rapide</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Touche du clavier</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Nombre :</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Délai :</translation>
    </message>
    <message>
        <source>Times: %1 to %2</source>
        <translation>Fois : de %1 à %2</translation>
    </message>
    <message>
        <source>Delay: %1 to %2</source>
        <translation>Délai : de %1 à %2</translation>
    </message>
    <message>
        <source>Choose the mouse button to repeat, or Keyboard Key and then press the key.</source>
        <translation>Choisissez le bouton de la souris à répéter, ou Touche du clavier puis appuyez sur la touche.</translation>
    </message>
    <message>
        <source>Press the key to fire.</source>
        <translation>Appuyez sur la touche à répéter.</translation>
    </message>
</context>
<context>
    <name>ZelKeyDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Why OK is refused</source>
        <translation>Pourquoi OK est refusé</translation>
    </message>
</context>
<context>
    <name>ZelMacroSelect</name>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>RÉPÉTITIONS (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>RÉPÉTER TANT QU'ON APPUIE</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>RÉPÉTER JUSQU'À NOUVEL APPUI</translation>
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
        <source>Choose a macro from the list first.</source>
        <translation>Choisissez d'abord une macro dans la liste.</translation>
    </message>
    <message>
        <source>The loop count must be a number from 1 to 255.</source>
        <translation>Le nombre de répétitions doit être compris entre 1 et 255.</translation>
    </message>
</context>
<context>
    <name>ZelSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>Touche simple</translation>
    </message>
    <message>
        <source>Press the key the button should send.</source>
        <translation>Appuyez sur la touche que le bouton doit envoyer.</translation>
    </message>
    <message>
        <source>Press the key this button should send.</source>
        <translation>Appuyez sur la touche que ce bouton doit envoyer.</translation>
    </message>
    <message>
        <source>The mouse cannot send "%1"; press another key.</source>
        <translation>La souris ne peut pas envoyer « %1 » ; appuyez sur une autre touche.</translation>
    </message>
</context>
<context>
    <name>ZelSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>Réglage sniper</translation>
    </message>
</context>
<context>
    <name>ZiziraziWidget</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Charger la configuration</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Battery %1%</source>
        <translation>Batterie %1%</translation>
    </message>
    <message>
        <source>Mouse battery low: %1%. Please charge the mouse.</source>
        <translation>Batterie de la souris faible : %1%. Veuillez recharger la souris.</translation>
    </message>
    <message>
        <source>The firmware updater could not be started:
%1</source>
        <translation>Le programme de mise à jour du micrologiciel n'a pas pu être lancé :
%1</translation>
    </message>
    <message>
        <source>&amp;Start at Login</source>
        <translation>&amp;Démarrer à l'ouverture de session</translation>
    </message>
    <message>
        <source>The login entry could not be changed: %1</source>
        <translation>L'entrée de démarrage n'a pas pu être modifiée : %1</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want delete this profile? The %n program rule(s) naming it will be removed too.</source>
        <translation>
            <numerusform>Voulez-vous vraiment supprimer ce profil ? La règle de programme qui le désigne sera aussi supprimée.</numerusform>
            <numerusform>Voulez-vous vraiment supprimer ce profil ? Les %n règles de programmes qui le désignent seront aussi supprimées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Profile: %1</source>
        <translation>Profil : %1</translation>
    </message>
    <message>
        <source>Not switched to %1: changes not applied</source>
        <translation>Pas de passage à %1 : modifications non appliquées</translation>
    </message>
    <message>
        <source>&amp;Programs...</source>
        <translation>&amp;Programmes...</translation>
    </message>
</context>
</TS>