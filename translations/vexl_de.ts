<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BatchRun</name>
    <message>
        <source>Overflow (count): at most 32767 images can be processed in one run</source>
        <translation>Überlauf (Anzahl): In einem Durchlauf können höchstens 32767 Bilder verarbeitet werden</translation>
    </message>
    <message>
        <source>No result was published.</source>
        <translation>Es wurde kein Ergebnis gespeichert.</translation>
    </message>
    <message>
        <source>Stopped: %1 images were not processed.</source>
        <translation>Angehalten: %1 Bilder wurden nicht verarbeitet.</translation>
    </message>
    <message>
        <source>%1 images were not processed.</source>
        <translation>%1 Bilder wurden nicht verarbeitet.</translation>
    </message>
    <message>
        <source>Skipped %1: its result would overwrite another image or its result.</source>
        <translation>%1 übersprungen: Das Ergebnis würde ein anderes Bild oder dessen Ergebnis überschreiben.</translation>
    </message>
    <message>
        <source>No image was written.</source>
        <translation>Es wurde kein Bild geschrieben.</translation>
    </message>
    <message>
        <source>%1 was replaced for good (no trash could take it: %2).</source>
        <translation>%1 wurde endgültig ersetzt (kein Papierkorb konnte die Datei aufnehmen: %2).</translation>
    </message>
    <message>
        <source>The name is taken by another image of this run or by its result.</source>
        <translation>Der Name ist bereits durch ein anderes Bild dieses Durchlaufs oder dessen Ergebnis belegt.</translation>
    </message>
    <message>
        <source>%1 was deleted for good (no trash could take it: %2).</source>
        <translation>%1 wurde endgültig gelöscht (kein Papierkorb konnte die Datei aufnehmen: %2).</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Output in Same Folder</source>
        <translation>Ausgabe in denselben Ordner</translation>
    </message>
    <message>
        <source>Output in Different Folder</source>
        <translation>Ausgabe in anderen Ordner</translation>
    </message>
    <message>
        <source>Configure FTP Servers...</source>
        <translation>FTP-Server einrichten...</translation>
    </message>
    <message>
        <source>Please select the connection to remove from list above!</source>
        <translation>Bitte wählen Sie in der Liste oben die Verbindung aus, die entfernt werden soll!</translation>
    </message>
    <message>
        <source>Are you sure you want to remove FTP connection &quot;[NAME]&quot;?</source>
        <translation>Möchten Sie die FTP-Verbindung „[NAME]“ wirklich entfernen?</translation>
    </message>
    <message>
        <source>You must specify a connection name!</source>
        <translation>Sie müssen einen Verbindungsnamen angeben!</translation>
    </message>
    <message>
        <source>You must specify a server hostname/IP!</source>
        <translation>Sie müssen den Hostnamen oder die IP-Adresse des Servers angeben!</translation>
    </message>
    <message>
        <source>Only letters (a-z, A-Z), numbers (1-9), periods (.) and hyphons (-) are allowed for server hostname/IP!</source>
        <translation>Im Hostnamen bzw. in der IP-Adresse des Servers sind nur Buchstaben (a-z, A-Z), Ziffern (0-9), Punkte (.) und Bindestriche (-) erlaubt!</translation>
    </message>
    <message>
        <source>You must specify a valid port number! Default is 21.</source>
        <translation>Sie müssen eine gültige Portnummer angeben! Standard ist 21.</translation>
    </message>
    <message>
        <source>You must specify a username if annonymous not selected!</source>
        <translation>Sie müssen einen Benutzernamen angeben, wenn „Anonym“ nicht angehakt ist!</translation>
    </message>
    <message>
        <source>Connection name &quot;[NAME]&quot; already exists! Please select another name.</source>
        <translation>Der Verbindungsname „[NAME]“ ist bereits vergeben! Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>No connection for name &quot;[NAME]&quot;!</source>
        <translation>Keine Verbindung mit dem Namen „[NAME]“!</translation>
    </message>
    <message>
        <source>Please select a connection from the list above to test.</source>
        <translation>Bitte wählen Sie in der Liste oben eine Verbindung zum Testen aus.</translation>
    </message>
    <message>
        <source>New Directory Name: </source>
        <translation>Name des neuen Verzeichnisses: </translation>
    </message>
    <message>
        <source>Enter New Directory Name</source>
        <translation>Name für neues Verzeichnis eingeben</translation>
    </message>
    <message>
        <source>New Directory</source>
        <translation>Neues Verzeichnis</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Zuletzt geändert</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Berechtigungen</translation>
    </message>
    <message>
        <source>FTP Connection Error: </source>
        <translation>FTP-Verbindungsfehler: </translation>
    </message>
    <message>
        <source>FTP Connection Canceled.</source>
        <translation>FTP-Verbindung abgebrochen.</translation>
    </message>
    <message>
        <source>FTP Connection to server &quot;[SERVER]&quot; timed out!</source>
        <translation>Zeitüberschreitung bei der FTP-Verbindung zum Server „[SERVER]“!</translation>
    </message>
    <message>
        <source>Error creating directory: </source>
        <translation>Fehler beim Anlegen des Verzeichnisses: </translation>
    </message>
    <message>
        <source>Go to parent directory</source>
        <translation>Zum übergeordneten Verzeichnis</translation>
    </message>
    <message>
        <source>Error removing directory: </source>
        <translation>Fehler beim Entfernen des Verzeichnisses: </translation>
    </message>
    <message>
        <source>Error renaming directory: </source>
        <translation>Fehler beim Umbenennen des Verzeichnisses: </translation>
    </message>
    <message>
        <source>Rename &quot;[OLDDIRPATH]&quot; To: </source>
        <translation>„[OLDDIRPATH]“ umbenennen in: </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the directory:\n\n[DIRECTORY]?\n\nDirectory must be empty.</source>
        <translation>Möchten Sie dieses Verzeichnis wirklich löschen:\n\n[DIRECTORY]?\n\nDas Verzeichnis muss leer sein.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>The control connection is closed</source>
        <translation>Die Steuerverbindung ist geschlossen</translation>
    </message>
    <message>
        <source>Connecting to [SERVER]...</source>
        <translation>Verbindung mit [SERVER] wird hergestellt...</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Authentication in progress...</source>
        <translation>Authentifizierung läuft...</translation>
    </message>
    <message>
        <source>User has been logged in successfully</source>
        <translation>Benutzer erfolgreich angemeldet</translation>
    </message>
    <message>
        <source>Changing current directory...</source>
        <translation>Aktuelles Verzeichnis wird gewechselt...</translation>
    </message>
    <message>
        <source>Deleting file...</source>
        <translation>Datei wird gelöscht...</translation>
    </message>
    <message>
        <source>Removing directory...</source>
        <translation>Verzeichnis wird entfernt...</translation>
    </message>
    <message>
        <source>Creating directory...</source>
        <translation>Verzeichnis wird angelegt...</translation>
    </message>
    <message>
        <source>Renaming file...</source>
        <translation>Datei wird umbenannt...</translation>
    </message>
    <message>
        <source>Establishing data connection...</source>
        <translation>Datenverbindung wird aufgebaut...</translation>
    </message>
    <message>
        <source>Data connection established</source>
        <translation>Datenverbindung aufgebaut</translation>
    </message>
    <message>
        <source>Retrieving directory info...</source>
        <translation>Verzeichnisinhalt wird abgerufen...</translation>
    </message>
    <message>
        <source>Directory info retrieved</source>
        <translation>Verzeichnisinhalt abgerufen</translation>
    </message>
    <message>
        <source>Download in progress...</source>
        <translation>Download läuft...</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>Upload in progress...</source>
        <translation>Upload läuft...</translation>
    </message>
    <message>
        <source>Upload complete</source>
        <translation>Upload abgeschlossen</translation>
    </message>
    <message>
        <source>FTP Connection &quot;[NAME]&quot; OK.</source>
        <translation>FTP-Verbindung „[NAME]“ funktioniert.</translation>
    </message>
    <message>
        <source>Error listing files: </source>
        <translation>Fehler beim Auflisten der Dateien: </translation>
    </message>
    <message>
        <source>Error accessing path &quot;[PATH]&quot;!</source>
        <translation>Fehler beim Zugriff auf den Pfad „[PATH]“!</translation>
    </message>
    <message>
        <source>Transferring &quot;[FILE]&quot; to FTP Server...</source>
        <translation>„[FILE]“ wird zum FTP-Server übertragen...</translation>
    </message>
    <message>
        <source>FTP Client Busy, Waiting...</source>
        <translation>FTP-Client beschäftigt, bitte warten...</translation>
    </message>
    <message>
        <source>FTP Upload Error, Process Stopped: </source>
        <translation>FTP-Upload-Fehler, Verarbeitung angehalten: </translation>
    </message>
    <message>
        <source>FTP Upload Timed Out. Process Stopped.</source>
        <translation>Zeitüberschreitung beim FTP-Upload. Verarbeitung angehalten.</translation>
    </message>
    <message>
        <source>FTP Upload Canceled. Process Stopped.</source>
        <translation>FTP-Upload abgebrochen. Verarbeitung angehalten.</translation>
    </message>
    <message>
        <source>Login details not given. Ending process.</source>
        <translation>Keine Anmeldedaten angegeben. Verarbeitung wird beendet.</translation>
    </message>
    <message>
        <source>The FTP connection has closed. Do you want to re-open it and continue?</source>
        <translation>Die FTP-Verbindung wurde geschlossen. Möchten Sie sie wieder öffnen und fortfahren?</translation>
    </message>
    <message>
        <source>Connection Remove Error: Name could not be found!</source>
        <translation>Fehler beim Entfernen der Verbindung: Name nicht gefunden!</translation>
    </message>
    <message>
        <source>Login failed for [NUMATTEMPTS] attempts.</source>
        <translation>Anmeldung nach [NUMATTEMPTS] Versuchen fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Username/Password Incorrect. Do you want to retry?</source>
        <translation>Benutzername/Passwort falsch. Möchten Sie es erneut versuchen?</translation>
    </message>
    <message>
        <source>Connecting to server (timeout in [TIMEOUT] seconds)...</source>
        <translation>Verbindung zum Server wird hergestellt (Zeitlimit [TIMEOUT] Sekunden)...</translation>
    </message>
    <message>
        <source>Current Directory: </source>
        <translation>Aktuelles Verzeichnis: </translation>
    </message>
    <message>
        <source>Error setting directory to path &quot;[PATH]&quot;. Exiting process.</source>
        <translation>Fehler beim Wechseln in das Verzeichnis „[PATH]“. Verarbeitung wird beendet.</translation>
    </message>
    <message>
        <source>Error creating directory &quot;[PATH]&quot;. Exiting Process.</source>
        <translation>Fehler beim Anlegen des Verzeichnisses „[PATH]“. Verarbeitung wird beendet.</translation>
    </message>
    <message>
        <source>(Preview Disabled)</source>
        <translation>(Vorschau deaktiviert)</translation>
    </message>
    <message>
        <source>Could not overlay text to on image &quot;[IMAGE]&quot;! Do you want to continue processing images?</source>
        <translation>Der Text konnte nicht in das Bild „[IMAGE]“ eingeblendet werden! Möchten Sie mit der Verarbeitung der Bilder fortfahren?</translation>
    </message>
    <message>
        <source>Could not greyscale image &quot;[IMAGE]&quot; because:</source>
        <translation>Das Bild „[IMAGE]“ konnte nicht in Graustufen umgewandelt werden. Grund:</translation>
    </message>
    <message>
        <source>Could not invert colours of image &quot;[IMAGE]&quot; because:</source>
        <translation>Die Farben des Bildes „[IMAGE]“ konnten nicht invertiert werden. Grund:</translation>
    </message>
    <message>
        <source>There is an IMMINENT possibility that output images will overwrite selected images.\nAre you sure you want to continue?\n\nPress &apos;Cancel&apos; to never see this message again, and continue.</source>
        <translation>Es besteht AKUTE Gefahr, dass Ausgabebilder ausgewählte Bilder überschreiben.\nMöchten Sie wirklich fortfahren?\n\nKlicken Sie auf „Abbrechen“, um fortzufahren und diese Meldung nie wieder zu sehen.</translation>
    </message>
    <message>
        <source>There is a MEDIUM possibility that output images will overwrite selected images\n(The only differentiation is the spaces/undercores or extension, which is weak).\nAre you sure you want to continue?\n\nPress &apos;Cancel&apos; to never see this message again, and continue.</source>
        <translation>Es besteht MITTLERE Gefahr, dass Ausgabebilder ausgewählte Bilder überschreiben\n(sie unterscheiden sich nur durch Leerzeichen/Unterstriche oder die Dateiendung – ein schwacher Unterschied).\nMöchten Sie wirklich fortfahren?\n\nKlicken Sie auf „Abbrechen“, um fortzufahren und diese Meldung nie wieder zu sehen.</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Szene</translation>
    </message>
    <message>
        <source>Could not retrive information on &quot;[IMAGE]&quot; because:\n[ERROR]\n\nDo you want to continue processing images?</source>
        <translation>Die Informationen zu „[IMAGE]“ konnten nicht gelesen werden. Grund:\n[ERROR]\n\nMöchten Sie mit der Verarbeitung der Bilder fortfahren?</translation>
    </message>
    <message>
        <source>In Folder: </source>
        <translation>Im Ordner: </translation>
    </message>
    <message>
        <source>Filename cannot contain the following characters: </source>
        <translation>Dateinamen dürfen folgende Zeichen nicht enthalten: </translation>
    </message>
    <message>
        <source>Could not make folder &quot;[FOLDER]&quot;\n\nFolder already exists!</source>
        <translation>Der Ordner „[FOLDER]“ konnte nicht angelegt werden\n\nDer Ordner existiert bereits!</translation>
    </message>
    <message>
        <source>Could not make folder &quot;[FOLDER]&quot;\n\n[ERROR]!</source>
        <translation>Der Ordner „[FOLDER]“ konnte nicht angelegt werden\n\n[ERROR]!</translation>
    </message>
    <message>
        <source>Orig. Size:</source>
        <translation>Originalgröße:</translation>
    </message>
    <message>
        <source>Batch Process Images...</source>
        <translation>Bilder stapelweise verarbeiten...</translation>
    </message>
    <message>
        <source>Process Finished!</source>
        <translation>Verarbeitung abgeschlossen!</translation>
    </message>
    <message>
        <source>Could not delete file &quot;[IMAGE]&quot; because:</source>
        <translation>Die Datei „[IMAGE]“ konnte nicht gelöscht werden. Grund:</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;[IMAGE]&quot;</source>
        <translation>Möchten Sie „[IMAGE]“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete these [NUM] images?</source>
        <translation>Möchten Sie diese [NUM] Bilder wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the checked image?</source>
        <translation>Möchten Sie das markierte Bild wirklich löschen?</translation>
    </message>
    <message>
        <source>Could not flip image &quot;[IMAGE]&quot; because:</source>
        <translation>Das Bild „[IMAGE]“ konnte nicht gespiegelt werden. Grund:</translation>
    </message>
    <message>
        <source>Could not rotate image &quot;[IMAGE]&quot; because:</source>
        <translation>Das Bild „[IMAGE]“ konnte nicht gedreht werden. Grund:</translation>
    </message>
    <message>
        <source>Cannot Access Location: </source>
        <translation>Kein Zugriff auf diesen Ort: </translation>
    </message>
    <message>
        <source>A value is required in this field!</source>
        <translation>Dieses Feld darf nicht leer sein!</translation>
    </message>
    <message>
        <source>Only numbers are allowed into this field!</source>
        <translation>In diesem Feld sind nur Zahlen erlaubt!</translation>
    </message>
    <message>
        <source>Number not allowed to be 0!</source>
        <translation>Die Zahl darf nicht 0 sein!</translation>
    </message>
    <message>
        <source>Error Loading: </source>
        <translation>Fehler beim Laden: </translation>
    </message>
    <message>
        <source>Select Output Directory:</source>
        <translation>Ausgabeordner wählen:</translation>
    </message>
    <message>
        <source>Please Select at least 1 Image to Process!</source>
        <translation>Bitte wählen Sie mindestens 1 Bild zur Verarbeitung aus!</translation>
    </message>
    <message>
        <source>Could not bevel image with a width of [WIDTH] pixels\nThe image may be too small for this bevel width.\n\nDo you want to continue processing images?</source>
        <translation>Der 3D-Rand mit einer Breite von [WIDTH] Pixel konnte nicht angewendet werden.\nDas Bild ist für diese Randbreite vielleicht zu klein.\n\nMöchten Sie mit der Verarbeitung der Bilder fortfahren?</translation>
    </message>
    <message>
        <source>Could not remove file &quot;[IMAGE]&quot;!\nDo you want to continue processing images?</source>
        <translation>Die Datei „[IMAGE]“ konnte nicht entfernt werden!\nMöchten Sie mit der Verarbeitung der Bilder fortfahren?</translation>
    </message>
    <message>
        <source>ImageMagick Encountered and Error When Doing this:\n[CURROP]\nDescription: [ERROR]\nThe file might be Read Only, Hidden or not an Image.\n\nDo you want to continue processing images?</source>
        <translation>ImageMagick hat bei diesem Schritt einen Fehler gemeldet:\n[CURROP]\nBeschreibung: [ERROR]\nDie Datei ist vielleicht schreibgeschützt, versteckt oder kein Bild.\n\nMöchten Sie mit der Verarbeitung der Bilder fortfahren?</translation>
    </message>
    <message>
        <source>Could not copy &quot;[IMAGE1]&quot; to &quot;[IMAGE2]&quot;!\nDo you want to continue processing images?</source>
        <translation>„[IMAGE1]“ konnte nicht nach „[IMAGE2]“ kopiert werden!\nMöchten Sie mit der Verarbeitung der Bilder fortfahren?</translation>
    </message>
    <message>
        <source>Stopping Process...</source>
        <translation>Wird angehalten...</translation>
    </message>
    <message>
        <source>Stop Processing Images</source>
        <translation>Verarbeitung anhalten</translation>
    </message>
    <message>
        <source>Process stopping...</source>
        <translation>Verarbeitung wird angehalten...</translation>
    </message>
    <message>
        <source>Due to limitations in this function, styles such as:\n\nBold, Italic, Underline and Strikethru\n\nCannot be applied to images and have been ignored.</source>
        <translation>Aufgrund von Einschränkungen dieser Funktion können Schriftstile wie:\n\nFett, Kursiv, Unterstrichen und Durchgestrichen\n\nnicht auf Bilder angewendet werden und wurden ignoriert.</translation>
    </message>
    <message>
        <source>* - 0 or more characters (wildcard).\n? - Any single character.\n* - Zero or more characters.\n# - Any single digit (0 to 9).\n[charlist] - Any single character in charlist.\n[!charlist] - Any single character not in charlist.</source>
        <translation>* - 0 oder mehr Zeichen (Platzhalter).\n? - Genau ein beliebiges Zeichen.\n* - Null oder mehr Zeichen.\n# - Genau eine Ziffer (0 bis 9).\n[Zeichenliste] - Ein Zeichen aus der Zeichenliste.\n[!Zeichenliste] - Ein Zeichen, das nicht in der Zeichenliste steht.</translation>
    </message>
    <message>
        <source>Enter Pattern: </source>
        <translation>Muster eingeben: </translation>
    </message>
    <message>
        <source>Select Images By Pattern</source>
        <translation>Bilder nach Muster auswählen</translation>
    </message>
    <message>
        <source>De-Select Images By Pattern</source>
        <translation>Bilder nach Muster abwählen</translation>
    </message>
    <message>
        <source>The current image is about to be resized to over 6 megapixels ([DIMENSIONS]). This may cause the program to freeze as it is a very large image to process.\nYou might be resizing as a percentage accidently.\n\nPress yes to continue resizing. You will not see this warning again.\nPress no to skip image.\nPress cancel to end process.</source>
        <translation>Die Größe des aktuellen Bildes wird gleich auf über 6 Megapixel geändert ([DIMENSIONS]). Ein so großes Bild kann das Programm einfrieren lassen.\nVielleicht ändern Sie die Größe versehentlich in Prozent.\n\nKlicken Sie auf „Ja“, um die Größe trotzdem zu ändern. Diese Warnung erscheint dann nicht mehr.\nKlicken Sie auf „Nein“, um das Bild zu überspringen.\nKlicken Sie auf „Abbrechen“, um die Verarbeitung zu beenden.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Error removing old image:\n[IMAGE]\n[ERROR]\n\nDo you want to continue?</source>
        <translation>Fehler beim Entfernen des alten Bildes:\n[IMAGE]\n[ERROR]\n\nMöchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Error creating directory:\n[DIR]\n\nDo you want to continue?</source>
        <translation>Fehler beim Anlegen des Ordners:\n[DIR]\n\nMöchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Process Aborted.</source>
        <translation>Verarbeitung abgebrochen.</translation>
    </message>
    <message>
        <source>Processing Images</source>
        <translation>Bilder werden verarbeitet</translation>
    </message>
    <message>
        <source>You have selected to delete orignal images. These images can not be recovered.\nAre you sure you want to continue?\n\nPress &apos;Cancel&apos; to never see this message again, and continue.</source>
        <translation>Sie haben gewählt, die Originalbilder zu löschen. Diese Bilder lassen sich nicht wiederherstellen.\nMöchten Sie wirklich fortfahren?\n\nKlicken Sie auf „Abbrechen“, um fortzufahren und diese Meldung nie wieder zu sehen.</translation>
    </message>
    <message>
        <source>Please close and restart VEXL for this to take effect.\n\nWhen ticked, the controls are drawn in the desktop&apos;s own widget style; otherwise in the built-in style.</source>
        <translation>Bitte schließen Sie VEXL und starten Sie es neu, damit die Änderung wirksam wird.\n\nMit Häkchen werden die Bedienelemente im Stil der Arbeitsumgebung gezeichnet, sonst im eingebauten Stil.</translation>
    </message>
    <message>
        <source>No program is set up to open images, so &quot;[FILE]&quot; could not be opened.\n\nChoose an image viewer in your desktop&apos;s default applications settings, then try again.</source>
        <translation>Es ist kein Programm zum Öffnen von Bildern eingerichtet, daher konnte &quot;[FILE]&quot; nicht geöffnet werden.\n\nWählen Sie in den Einstellungen der Standardanwendungen Ihrer Arbeitsumgebung einen Bildbetrachter und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>No program is set up to open web pages, so &quot;[URL]&quot; could not be opened.\n\nChoose a web browser in your desktop&apos;s default applications settings, then try again.</source>
        <translation>Es ist kein Programm zum Öffnen von Webseiten eingerichtet, daher konnte &quot;[URL]&quot; nicht geöffnet werden.\n\nWählen Sie in den Einstellungen der Standardanwendungen Ihrer Arbeitsumgebung einen Webbrowser und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Image workers run unconfined: this kernel offers no Landlock, so a hostile image could reach your files.</source>
        <translation>Bild-Worker laufen ohne Einschränkung: Dieser Kernel bietet kein Landlock, daher könnte ein bösartiges Bild Ihre Dateien erreichen.</translation>
    </message>
    <message>
        <source>Image workers are confined to the run&apos;s folders, but this kernel&apos;s Landlock (ABI [ABI]) cannot keep them off the network.</source>
        <translation>Bild-Worker sind auf die Ordner des Durchlaufs beschränkt, aber das Landlock dieses Kernels (ABI [ABI]) kann ihnen das Netzwerk nicht verwehren.</translation>
    </message>
    <message>
        <source>Image workers run unconfined: VEXL_NO_SANDBOX is set.</source>
        <translation>Bild-Worker laufen ohne Einschränkung: VEXL_NO_SANDBOX ist gesetzt.</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Done: %1</source>
        <translation>Erledigt: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Übersprungen: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Deleted to trash: %1</source>
        <translation>In den Papierkorb verschoben: %1</translation>
    </message>
    <message>
        <source>Uploaded: %1</source>
        <translation>Hochgeladen: %1</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>Nicht verarbeitet</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Antwort: %1</translation>
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
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>no trash can take this file</source>
        <translation>kein Papierkorb kann diese Datei aufnehmen</translation>
    </message>
</context>
<context>
    <name>UndoBatch</name>
    <message>
        <source>Undo Last Batch</source>
        <translation>Letzten Stapel rückgängig machen</translation>
    </message>
    <message>
        <source>There is no batch to undo.</source>
        <translation>Es gibt keinen Stapel, der rückgängig gemacht werden kann.</translation>
    </message>
    <message>
        <source>Undo the last batch? This will:</source>
        <translation>Den letzten Stapel rückgängig machen? Dabei wird:</translation>
    </message>
    <message>
        <source>The last batch was undone.</source>
        <translation>Der letzte Stapel wurde rückgängig gemacht.</translation>
    </message>
    <message>
        <source>The last batch was undone, except what is listed as kept.</source>
        <translation>Der letzte Stapel wurde rückgängig gemacht, bis auf das, was als behalten aufgeführt ist.</translation>
    </message>
    <message>
        <source>Rename %1 back to %2</source>
        <translation>%1 wieder in %2 umbenennen</translation>
    </message>
    <message>
        <source>Remove %1 and restore from the trash the file it replaced</source>
        <translation>%1 entfernen und die davon ersetzte Datei aus dem Papierkorb wiederherstellen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Restore %1 from the trash</source>
        <translation>%1 aus dem Papierkorb wiederherstellen</translation>
    </message>
    <message>
        <source>Delete %1 on the server of %2</source>
        <translation>%1 auf dem Server von %2 löschen</translation>
    </message>
    <message>
        <source>Kept %1: it changed or went since the batch</source>
        <translation>%1 behalten: seit dem Stapel geändert oder verschwunden</translation>
    </message>
    <message>
        <source>Kept %1: another file is at %2 now</source>
        <translation>%1 behalten: unter %2 liegt jetzt eine andere Datei</translation>
    </message>
    <message>
        <source>Kept %1: %2</source>
        <translation>%1 behalten: %2</translation>
    </message>
    <message>
        <source>Renamed %1 back to %2</source>
        <translation>%1 wieder in %2 umbenannt</translation>
    </message>
    <message>
        <source>Already gone: %1</source>
        <translation>Bereits verschwunden: %1</translation>
    </message>
    <message>
        <source>Kept %1: it changed since the batch</source>
        <translation>%1 behalten: seit dem Stapel geändert</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>Kept %1: the file it replaced is not in the trash</source>
        <translation>%1 behalten: die davon ersetzte Datei ist nicht im Papierkorb</translation>
    </message>
    <message>
        <source>Removed %1 and restored the file it replaced</source>
        <translation>%1 entfernt und die davon ersetzte Datei wiederhergestellt</translation>
    </message>
    <message>
        <source>Restored %1 from the trash</source>
        <translation>%1 aus dem Papierkorb wiederhergestellt</translation>
    </message>
    <message>
        <source>Left %1 in the trash: another file is in its place</source>
        <translation>%1 im Papierkorb gelassen: an seiner Stelle liegt eine andere Datei</translation>
    </message>
    <message>
        <source>Could not restore %1: it is no longer in the trash</source>
        <translation>%1 konnte nicht wiederhergestellt werden: nicht mehr im Papierkorb</translation>
    </message>
    <message>
        <source>Left %1 in the trash: %2</source>
        <translation>%1 im Papierkorb gelassen: %2</translation>
    </message>
    <message>
        <source>Not deleted on the server: %1 (%2)</source>
        <translation>Nicht auf dem Server gelöscht: %1 (%2)</translation>
    </message>
    <message>
        <source>no saved connection &quot;%1&quot;</source>
        <translation>keine gespeicherte Verbindung „%1“</translation>
    </message>
    <message>
        <source>the connection &quot;%1&quot; has no saved password</source>
        <translation>für die Verbindung „%1“ ist kein Kennwort gespeichert</translation>
    </message>
    <message>
        <source>Deleted %1 on the server of %2</source>
        <translation>%1 auf dem Server von %2 gelöscht</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>General Info</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Date Written:</source>
        <translation>Erstellt am:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Webseite:</translation>
    </message>
    <message>
        <source>Powered By:</source>
        <translation>Basiert auf:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Terms and Conditions</source>
        <translation>Nutzungsbedingungen</translation>
    </message>
    <message>
        <source>Imagemagick License</source>
        <translation>Imagemagick-Lizenz</translation>
    </message>
    <message>
        <source>Make Donation...</source>
        <translation>Spenden...</translation>
    </message>
    <message>
        <source>Submit Feedback</source>
        <translation>Feedback senden</translation>
    </message>
    <message>
        <source>Submit feedback/review of VEXL online.</source>
        <translation>Feedback/Bewertung zu VEXL online abgeben.</translation>
    </message>
    <message>
        <source>Report Bug/Error</source>
        <translation>Fehler melden</translation>
    </message>
    <message>
        <source>Got an error? I want to know about it! Report it online here.</source>
        <translation>Ein Fehler ist aufgetreten? Ich möchte davon erfahren! Melden Sie ihn hier online.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmError</name>
    <message>
        <source>An Error Has Occured!</source>
        <translation>Ein Fehler ist aufgetreten!</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>Nr.:</translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Beschreibung: </translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Fehlerdetails:</translation>
    </message>
    <message>
        <source>Send Error Infomation to Bug Reporter</source>
        <translation>Fehlerbericht an den Hersteller senden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmFTPConnections</name>
    <message>
        <source>Configure FTP Connections</source>
        <translation>FTP-Verbindungen einrichten</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Select a connection name in above list and click this button to remove it.</source>
        <translation>Wählen Sie in der Liste oben einen Verbindungsnamen aus und klicken Sie auf diese Schaltfläche, um die Verbindung zu entfernen.</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>Test the connection by connecting to it with details given.</source>
        <translation>Testet die Verbindung, indem mit den angegebenen Daten eine Verbindung hergestellt wird.</translation>
    </message>
    <message>
        <source>Connection Name:</source>
        <translation>Verbindungsname:</translation>
    </message>
    <message>
        <source>Enter a unique and desciptive name for the FTP connection.</source>
        <translation>Geben Sie einen eindeutigen, aussagekräftigen Namen für die FTP-Verbindung ein.</translation>
    </message>
    <message>
        <source>&amp;Connection</source>
        <translation>&amp;Verbindung</translation>
    </message>
    <message>
        <source>Server Hostname/IP:</source>
        <translation>Hostname/IP des Servers:</translation>
    </message>
    <message>
        <source>The hostname or the IP address of the FTP server to upload images to.</source>
        <translation>Der Hostname oder die IP-Adresse des FTP-Servers, auf den die Bilder hochgeladen werden.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>The port number of the FTP server to upload images to. Default is 21.</source>
        <translation>Die Portnummer des FTP-Servers, auf den die Bilder hochgeladen werden. Standard ist 21.</translation>
    </message>
    <message>
        <source>Use Passive Mode</source>
        <translation>Passiven Modus verwenden</translation>
    </message>
    <message>
        <source>Check to use passive mode (PASV) rather than active mode (PORT).</source>
        <translation>Anhaken, um den passiven Modus (PASV) statt des aktiven Modus (PORT) zu verwenden.</translation>
    </message>
    <message>
        <source>Timeout (Seconds):</source>
        <translation>Zeitlimit (Sekunden):</translation>
    </message>
    <message>
        <source>If the server doesn&apos;t respond within the specified time, connection is canceled.</source>
        <translation>Antwortet der Server nicht innerhalb der angegebenen Zeit, wird die Verbindung abgebrochen.</translation>
    </message>
    <message>
        <source>&amp;Default Path</source>
        <translation>Standard&amp;pfad</translation>
    </message>
    <message>
        <source>The path of the directory on the FTP server to upload images into. This can be changed when selecting the connection as the output.</source>
        <translation>Der Pfad des Verzeichnisses auf dem FTP-Server, in das die Bilder hochgeladen werden. Er lässt sich ändern, wenn die Verbindung als Ausgabe gewählt wird.</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Anmeldung</translation>
    </message>
    <message>
        <source>Annonymous</source>
        <translation>Anonym</translation>
    </message>
    <message>
        <source>Check if connection is for an annonymous server (i.e. no username or password).</source>
        <translation>Anhaken, wenn die Verbindung zu einem anonymen Server führt (d. h. ohne Benutzername und Passwort).</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>The username to use when logging onto the FTP server.</source>
        <translation>Der Benutzername für die Anmeldung am FTP-Server.</translation>
    </message>
    <message>
        <source>Save Password:</source>
        <translation>Passwort speichern:</translation>
    </message>
    <message>
        <source>Check to allow the password to be stored for connection. Means the username/password won&apos;t be asked for when connecting to FTP server. Passwords are stored using encryption.</source>
        <translation>Anhaken, damit das Passwort für die Verbindung gespeichert wird. Benutzername und Passwort werden dann beim Verbinden mit dem FTP-Server nicht abgefragt. Passwörter werden verschlüsselt gespeichert.</translation>
    </message>
    <message>
        <source>The password to use when logging onto the FTP server. If not specified, password will be asked on each connection attempt.</source>
        <translation>Das Passwort für die Anmeldung am FTP-Server. Ohne Angabe wird es bei jedem Verbindungsversuch abgefragt.</translation>
    </message>
    <message>
        <source>&amp;Save/Add</source>
        <translation>&amp;Speichern/Hinzufügen</translation>
    </message>
    <message>
        <source>Save selected connection or add new connection to list.</source>
        <translation>Speichert die ausgewählte Verbindung oder fügt eine neue Verbindung zur Liste hinzu.</translation>
    </message>
</context>
<context>
    <name>frmFTPLogin</name>
    <message>
        <source>Server Login</source>
        <translation>Anmeldung am Server</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>&amp;Remember Username &amp;&amp; Password</source>
        <translation>&amp;Benutzername &amp;&amp; Passwort speichern</translation>
    </message>
    <message>
        <source>Check if you want the above username and password to be stored for this connection. This will mean you wont have to enter login details again.</source>
        <translation>Anhaken, wenn Benutzername und Passwort für diese Verbindung gespeichert werden sollen. Sie müssen die Anmeldedaten dann nicht erneut eingeben.</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Anmelden</translation>
    </message>
    <message>
        <source>Press to login to server using username/password above.</source>
        <translation>Meldet sich mit dem obigen Benutzernamen und Passwort am Server an.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Press to cancel connection to server.</source>
        <translation>Bricht die Verbindung zum Server ab.</translation>
    </message>
</context>
<context>
    <name>frmFTPSelectOutputDir</name>
    <message>
        <source>Select FTP Output Directory</source>
        <translation>FTP-Ausgabeverzeichnis wählen</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Zuletzt geändert</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Berechtigungen</translation>
    </message>
    <message>
        <source>Create Directory...</source>
        <translation>Verzeichnis anlegen...</translation>
    </message>
    <message>
        <source>Press to create a new directory in above directory.</source>
        <translation>Legt im obigen Verzeichnis ein neues Verzeichnis an.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Press to select output directory and return to main screen.</source>
        <translation>Übernimmt das Ausgabeverzeichnis und kehrt zum Hauptfenster zurück.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Press to cancel selection of directory.</source>
        <translation>Bricht die Auswahl des Verzeichnisses ab.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <source>&amp;Create New Directory...</source>
        <translation>&amp;Neues Verzeichnis anlegen...</translation>
    </message>
</context>
<context>
    <name>frmFTPTest</name>
    <message>
        <source>Test FTP Connection</source>
        <translation>FTP-Verbindung testen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Cancel connection test/close window.</source>
        <translation>Bricht den Verbindungstest ab bzw. schließt das Fenster.</translation>
    </message>
</context>
<context>
    <name>frmGo</name>
    <message>
        <source>Processing Images</source>
        <translation>Bilder werden verarbeitet</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Scene:</source>
        <translation>Szene:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>FTP</source>
        <translation>FTP</translation>
    </message>
    <message>
        <source>Stop Processing Images</source>
        <translation>Verarbeitung anhalten</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>VEXL</source>
        <translation>VEXL</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Rotate Image</source>
        <translation>Bild drehen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>De-Select</source>
        <translation>Abwählen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Animated to Non-Animated</source>
        <translation>Animiert zu statisch</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Info...</translation>
    </message>
    <message>
        <source>FTP Connections...</source>
        <translation>FTP-Verbindungen...</translation>
    </message>
    <message>
        <source>Visit Quillmere...</source>
        <translation>Quillmere besuchen...</translation>
    </message>
    <message>
        <source>Get VEXL Professional...</source>
        <translation>VEXL Professional erwerben...</translation>
    </message>
    <message>
        <source>Make Donation...</source>
        <translation>Spenden...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Flip Image Horizontally</source>
        <translation>Bild horizontal spiegeln</translation>
    </message>
    <message>
        <source>Flip Image Vertically</source>
        <translation>Bild vertikal spiegeln</translation>
    </message>
    <message>
        <source>Invert Image Colours</source>
        <translation>Bildfarben invertieren</translation>
    </message>
    <message>
        <source>Greyscale Image</source>
        <translation>In Graustufen umwandeln</translation>
    </message>
    <message>
        <source>90°</source>
        <translation>90°</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>270°</source>
        <translation>270°</translation>
    </message>
    <message>
        <source>Delete Image</source>
        <translation>Bild löschen</translation>
    </message>
    <message>
        <source>Delete Checked Images</source>
        <translation>Markierte Bilder löschen</translation>
    </message>
    <message>
        <source>Recurse Subdirectories</source>
        <translation>Unterordner einbeziehen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>BMP</source>
        <translation>BMP</translation>
    </message>
    <message>
        <source>GIF</source>
        <translation>GIF</translation>
    </message>
    <message>
        <source>JPG</source>
        <translation>JPG</translation>
    </message>
    <message>
        <source>MIFF</source>
        <translation>MIFF</translation>
    </message>
    <message>
        <source>PCX</source>
        <translation>PCX</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>TGA</source>
        <translation>TGA</translation>
    </message>
    <message>
        <source>TIFF</source>
        <translation>TIFF</translation>
    </message>
    <message>
        <source>That Match Pattern...</source>
        <translation>Nach Muster...</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Auswahl umkehren</translation>
    </message>
    <message>
        <source>Preview Images</source>
        <translation>Bildvorschau</translation>
    </message>
    <message>
        <source>Tooltips</source>
        <translation>Tooltips</translation>
    </message>
    <message>
        <source>Enable Explorer Context Menu</source>
        <translation>Explorer-Kontextmenü aktivieren</translation>
    </message>
    <message>
        <source>Extract 1st Scene</source>
        <translation>Erste Szene extrahieren</translation>
    </message>
    <message>
        <source>Extract All Scenes (Append Scene Number)</source>
        <translation>Alle Szenen extrahieren (Szenennummer anhängen)</translation>
    </message>
    <message>
        <source>English (Default)</source>
        <translation>English (Standard)</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Italiano (Waiting on translation)</source>
        <translation>Italiano (Übersetzung ausstehend)</translation>
    </message>
    <message>
        <source>Nederlands</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Submit...</source>
        <translation>Einsenden...</translation>
    </message>
    <message>
        <source>Grey (Default)</source>
        <translation>Grau (Standard)</translation>
    </message>
    <message>
        <source>Quillmere</source>
        <translation>Quillmere</translation>
    </message>
    <message>
        <source>Mozilla</source>
        <translation>Mozilla</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Blue Grey</source>
        <translation>Blaugrau</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Clear All Settings</source>
        <translation>Alle Einstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Image Width</source>
        <translation>Bildbreite</translation>
    </message>
    <message>
        <source>Image Height</source>
        <translation>Bildhöhe</translation>
    </message>
    <message>
        <source>Number of Megapixels</source>
        <translation>Anzahl Megapixel</translation>
    </message>
    <message>
        <source>Number of Unique Colours</source>
        <translation>Anzahl verschiedener Farben</translation>
    </message>
    <message>
        <source>Filename (without extension)</source>
        <translation>Dateiname (ohne Endung)</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translation>Dateiendung</translation>
    </message>
    <message>
        <source>File Size (with units)</source>
        <translation>Dateigröße (mit Einheit)</translation>
    </message>
    <message>
        <source>Sequential Number</source>
        <translation>Laufende Nummer</translation>
    </message>
    <message>
        <source>Number of Selected Images</source>
        <translation>Anzahl ausgewählter Bilder</translation>
    </message>
    <message>
        <source>Set Foreground (Text) Colour...</source>
        <translation>Vordergrundfarbe (Text) festlegen...</translation>
    </message>
    <message>
        <source>To Colour...</source>
        <translation>Farbe wählen...</translation>
    </message>
    <message>
        <source>To Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>List of images to process. Un-check any images you don&apos;t want to process. Double-click to open the image.</source>
        <translation>Liste der zu verarbeitenden Bilder. Entfernen Sie den Haken bei Bildern, die nicht verarbeitet werden sollen. Ein Doppelklick öffnet das Bild.</translation>
    </message>
    <message>
        <source>Loading List...</source>
        <translation>Liste wird geladen...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Tick every image.</source>
        <translation>Markiert alle Bilder.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Untick every image.</source>
        <translation>Entfernt alle Markierungen.</translation>
    </message>
    <message>
        <source>View Picture</source>
        <translation>Bildansicht</translation>
    </message>
    <message>
        <source>What the selected image on the left looks like.</source>
        <translation>So sieht das links ausgewählte Bild aus.</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Lädt...</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Abmessungen</translation>
    </message>
    <message>
        <source>The method in which to resize the images.</source>
        <translation>Wie die Größe der Bilder geändert wird.</translation>
    </message>
    <message>
        <source>Don&apos;t Resize</source>
        <translation>Größe beibehalten</translation>
    </message>
    <message>
        <source>Restrict Width &amp; Height</source>
        <translation>Größe begrenzen</translation>
    </message>
    <message>
        <source>Restrict Width</source>
        <translation>Breite begrenzen</translation>
    </message>
    <message>
        <source>Restrict Height</source>
        <translation>Höhe begrenzen</translation>
    </message>
    <message>
        <source>Fix to Size</source>
        <translation>Feste Größe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>The width of the output image.</source>
        <translation>Die Breite des Ausgabebildes.</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>The height of the output image.</source>
        <translation>Die Höhe des Ausgabebildes.</translation>
    </message>
    <message>
        <source>Check to resize the image to dimensions that are proportional to the image&apos;s original size.</source>
        <translation>Anhaken, um Breite und Höhe in Prozent der Originalgröße des Bildes anzugeben.</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Antialias</source>
        <translation>Kantenglättung</translation>
    </message>
    <message>
        <source>Antialias the image.</source>
        <translation>Glättet die Kanten im Bild (Antialiasing).</translation>
    </message>
    <message>
        <source>Bevel</source>
        <translation>3D-Rand</translation>
    </message>
    <message>
        <source>Apply the bevel effect to the image.</source>
        <translation>Versieht das Bild mit einem abgeschrägten 3D-Rand.</translation>
    </message>
    <message>
        <source>The width of the bevel in pixels.</source>
        <translation>Die Breite des 3D-Rands in Pixel.</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Rotate the image clockwise (1 to 359 degrees).</source>
        <translation>Dreht das Bild im Uhrzeigersinn (1 bis 359 Grad).</translation>
    </message>
    <message>
        <source>The degrees in which to rotate the image clockwise.</source>
        <translation>Um wie viel Grad das Bild im Uhrzeigersinn gedreht wird.</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Reflect the image in the horizontal direction (left becomes right, right becomes left).</source>
        <translation>Spiegelt das Bild in horizontaler Richtung (links wird rechts, rechts wird links).</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Reflect the image in the vertical direction (top becomes bottom, bottom becomes top).</source>
        <translation>Spiegelt das Bild in vertikaler Richtung (oben wird unten, unten wird oben).</translation>
    </message>
    <message>
        <source>Invert Colours</source>
        <translation>Farben invertieren</translation>
    </message>
    <message>
        <source>Inverts the colours of the image (black becomes white, etc.).</source>
        <translation>Kehrt die Farben des Bildes um (Schwarz wird Weiß usw.).</translation>
    </message>
    <message>
        <source>Greyscale</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Convert the image to shades of grey (no colour).</source>
        <translation>Wandelt das Bild in Graustufen um (keine Farbe).</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Präfix:</translation>
    </message>
    <message>
        <source>Text to put at the start of the filename.</source>
        <translation>Text am Anfang des Dateinamens.</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Insert a meta variable (data about the image) into the prefix.</source>
        <translation>Fügt eine Metavariable (Daten über das Bild) in das Präfix ein.</translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation>Suffix:</translation>
    </message>
    <message>
        <source>Text to put at the end of the filename.</source>
        <translation>Text am Ende des Dateinamens.</translation>
    </message>
    <message>
        <source>Insert a meta variable (data about the image) into the suffix.</source>
        <translation>Fügt eine Metavariable (Daten über das Bild) in das Suffix ein.</translation>
    </message>
    <message>
        <source>Select how you want to change the case of the filenames.</source>
        <translation>Wählen Sie, wie die Groß- und Kleinschreibung der Dateinamen geändert wird.</translation>
    </message>
    <message>
        <source>UncHanGEd cAse</source>
        <translation>UnVeRäNdErT</translation>
    </message>
    <message>
        <source>to lower-case</source>
        <translation>kleinbuchstaben</translation>
    </message>
    <message>
        <source>TO UPPER-CASE</source>
        <translation>GROSSBUCHSTABEN</translation>
    </message>
    <message>
        <source>First letter case</source>
        <translation>Erster buchstabe groß</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Jedes Wort Groß</translation>
    </message>
    <message>
        <source>tOGGLE cASE</source>
        <translation>uMGEKEHRT</translation>
    </message>
    <message>
        <source>Specify what to do with underscores and spaces in filenames</source>
        <translation>Legen Sie fest, was mit Unterstrichen und Leerzeichen in Dateinamen geschieht</translation>
    </message>
    <message>
        <source>Spaces &amp; Underscores</source>
        <translation>Leerzeichen &amp; _</translation>
    </message>
    <message>
        <source>Replace &quot; &quot; with &quot;_&quot;</source>
        <translation>&quot; &quot; durch &quot;_&quot; ersetzen</translation>
    </message>
    <message>
        <source>Replace &quot;_&quot; with &quot; &quot;</source>
        <translation>&quot;_&quot; durch &quot; &quot; ersetzen</translation>
    </message>
    <message>
        <source>Remove &quot;_&quot;</source>
        <translation>&quot;_&quot; entfernen</translation>
    </message>
    <message>
        <source>Remove &quot; &quot;</source>
        <translation>&quot; &quot; entfernen</translation>
    </message>
    <message>
        <source>Remove &quot; &quot; And &quot;_&quot;</source>
        <translation>&quot; &quot; und &quot;_&quot; entfernen</translation>
    </message>
    <message>
        <source>Sequential Number:</source>
        <translation>Laufende Nummer:</translation>
    </message>
    <message>
        <source>Rename the files with using a number that increments for each file.</source>
        <translation>Benennt die Dateien mit einer Nummer um, die mit jeder Datei um eins steigt.</translation>
    </message>
    <message>
        <source>Start With:</source>
        <translation>Startwert:</translation>
    </message>
    <message>
        <source>The number to start the increments from.</source>
        <translation>Die Nummer, bei der die Zählung beginnt.</translation>
    </message>
    <message>
        <source>Zero Fill:</source>
        <translation>Führende Nullen:</translation>
    </message>
    <message>
        <source>Pad (left) the seqeuntial number with zeros. For example the number 22 would become 0022 if this field was set to 4. Set to 0 for no padding.</source>
        <translation>Füllt die laufende Nummer links mit Nullen auf. Steht hier zum Beispiel 4, wird aus 22 die 0022. Bei 0 wird nicht aufgefüllt.</translation>
    </message>
    <message>
        <source>Text Overlay</source>
        <translation>Texteinblendung</translation>
    </message>
    <message>
        <source>Stamp With Text:</source>
        <translation>Text einstempeln:</translation>
    </message>
    <message>
        <source>Check to stamp/label the image with the text specified below.</source>
        <translation>Anhaken, um das Bild mit dem unten angegebenen Text zu beschriften.</translation>
    </message>
    <message>
        <source>The text to put over the image. Right-click to add meta variables.</source>
        <translation>Der Text, der ins Bild gestempelt wird. Ein Rechtsklick fügt Metavariablen ein.</translation>
    </message>
    <message>
        <source>Insert a meta variable (data about the image) into the text.</source>
        <translation>Fügt eine Metavariable (Daten über das Bild) in den Text ein.</translation>
    </message>
    <message>
        <source>The position of the text to overlay</source>
        <translation>Die Position des eingeblendeten Textes</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Middle Left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <source>Middle Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Middle Right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Click to change the text font and size.</source>
        <translation>Klicken, um Schriftart und Schriftgröße des Textes zu ändern.</translation>
    </message>
    <message>
        <source>Select the foreground and background text colours.</source>
        <translation>Vorder- und Hintergrundfarbe des Textes wählen.</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>The folder that all processed images will be put in.</source>
        <translation>Der Ordner, in dem alle verarbeiteten Bilder abgelegt werden.</translation>
    </message>
    <message>
        <source>Click to browse for the output folder.</source>
        <translation>Klicken, um den Ausgabeordner auszuwählen.</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Select the image&apos;s output format. If you want them to remain the same, select &apos;Don&apos;t Change&apos;.</source>
        <translation>Wählen Sie das Ausgabeformat der Bilder. Soll es gleich bleiben, wählen Sie „Beibehalten“.</translation>
    </message>
    <message>
        <source>Don&apos;t Change</source>
        <translation>Beibehalten</translation>
    </message>
    <message>
        <source>The output quality of the JPG and PNG images, from 1 to 100. Default is 75%. If any JPG or PNG  image is processed, this value is used.</source>
        <translation>Die Ausgabequalität der JPG- und PNG-Bilder, von 1 bis 100. Standard ist 75&#xa0;%. Dieser Wert gilt für jedes verarbeitete JPG- oder PNG-Bild.</translation>
    </message>
    <message>
        <source>Replicate Subdirectory Stucture</source>
        <translation>Unterordner nachbilden</translation>
    </message>
    <message>
        <source>If checked, images will be placed in the same sub-directories as the target folder. If they don&apos;t exist they will be created. Otherwise ALL images are places in the above directory.</source>
        <translation>Wenn angehakt, kommen die Bilder in dieselben Unterordner wie im Quellordner; fehlende Unterordner werden angelegt. Sonst kommen ALLE Bilder in den oben angegebenen Ordner.</translation>
    </message>
    <message>
        <source>Delete Original Images</source>
        <translation>Originalbilder löschen</translation>
    </message>
    <message>
        <source>If checked, images will be processed and the original will be deleted.</source>
        <translation>Wenn angehakt, werden die Bilder verarbeitet und die Originale gelöscht.</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>About VEXL Dovo.</source>
        <translation>Über VEXL Dovo.</translation>
    </message>
    <message>
        <source>www</source>
        <translation>www</translation>
    </message>
    <message>
        <source>Visit the Quillmere website for updates, new software &amp; freeware etc.</source>
        <translation>Besuchen Sie die Website von Quillmere für Updates, neue Software, Freeware usw.</translation>
    </message>
    <message>
        <source>Start &gt;&gt;&gt;</source>
        <translation>Start &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Process the images with the settings specified above.</source>
        <translation>Verarbeitet die Bilder mit den obigen Einstellungen.</translation>
    </message>
    <message>
        <source>Capture Date (YYYY-MM-DD)</source>
        <translation>Aufnahmedatum (JJJJ-MM-TT)</translation>
    </message>
    <message>
        <source>Capture Time (HH-MM-SS)</source>
        <translation>Aufnahmezeit (HH-MM-SS)</translation>
    </message>
    <message>
        <source>Camera Make and Model</source>
        <translation>Kamerahersteller und -modell</translation>
    </message>
    <message>
        <source>Original Filename</source>
        <translation>Ursprünglicher Dateiname</translation>
    </message>
    <message>
        <source>Only Shrink</source>
        <translation>Nur verkleinern</translation>
    </message>
    <message>
        <source>Resize only images that are larger than the given size; smaller images keep their size.</source>
        <translation>Nur Bilder verkleinern, die größer als die angegebene Größe sind; kleinere Bilder behalten ihre Größe.</translation>
    </message>
    <message>
        <source>Auto-Rotate by Camera Orientation</source>
        <translation>Automatisch nach Kameraausrichtung drehen</translation>
    </message>
    <message>
        <source>Turn photos upright as the camera recorded them, before any other operation.</source>
        <translation>Fotos vor allen anderen Bearbeitungen so aufrichten, wie die Kamera es vermerkt hat.</translation>
    </message>
    <message>
        <source>WEBP</source>
        <translation>WEBP</translation>
    </message>
    <message>
        <source>JPG/PNG/WebP Quality:</source>
        <translation>JPG/PNG/WebP-Qualität:</translation>
    </message>
    <message>
        <source>Desktop Widget Style</source>
        <translation>Stil der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>Draw the controls in the desktop&apos;s own widget style instead of the built-in one (after a restart).</source>
        <translation>Die Bedienelemente im Stil der Arbeitsumgebung statt im eingebauten Stil zeichnen (nach einem Neustart).</translation>
    </message>
    <message>
        <source>Set Background Colour</source>
        <translation>Hintergrundfarbe festlegen</translation>
    </message>
    <message>
        <source>Preview Names...</source>
        <translation>Namen vorab anzeigen...</translation>
    </message>
    <message>
        <source>Show the name each ticked image will get, before anything is written.</source>
        <translation>Zeigt den Namen, den jedes angehakte Bild bekommt, bevor etwas geschrieben wird.</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>Settings files (*.ini);;All files (*)</source>
        <translation>Einstellungsdateien (*.ini);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>frmNamePreview</name>
    <message>
        <source>Name Preview</source>
        <translation>Namensvorschau</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Start &gt;&gt;&gt;</source>
        <translation>Start &gt;&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>frmRunSummary</name>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Was geschah</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Ausgabeordner öffnen</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmSelectOutputDir</name>
    <message>
        <source>Make New Folder...</source>
        <translation>Neuer Ordner...</translation>
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
    <name>vexl::CFtpClient</name>
    <message>
        <source>The directory listing took too long.</source>
        <translation>Das Auflisten des Verzeichnisses hat zu lange gedauert.</translation>
    </message>
    <message>
        <source>The server ended the upload before the whole file was sent.</source>
        <translation>Der Server hat das Hochladen beendet, bevor die ganze Datei gesendet war.</translation>
    </message>
    <message>
        <source>The directory listing is too long.</source>
        <translation>Die Verzeichnisliste ist zu lang.</translation>
    </message>
</context>
<context>
    <name>vexl::FtpBatchUpload</name>
    <message>
        <source>The folder &quot;%1&quot; contains a line break or a NUL character, which cannot be sent to an FTP server. Process Stopped.</source>
        <translation>Der Ordner „%1“ enthält einen Zeilenumbruch oder ein NUL-Zeichen, das nicht an einen FTP-Server gesendet werden kann. Vorgang angehalten.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains a line break or a NUL character, which cannot be sent to an FTP server. Process Stopped.</source>
        <translation>Der Dateiname „%1“ enthält einen Zeilenumbruch oder ein NUL-Zeichen, das nicht an einen FTP-Server gesendet werden kann. Vorgang angehalten.</translation>
    </message>
    <message>
        <source>Re-opening the connection failed: %1</source>
        <translation>Das erneute Öffnen der Verbindung ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Removed the incomplete file %1 from the server.</source>
        <translation>Die unvollständige Datei %1 wurde vom Server entfernt.</translation>
    </message>
    <message>
        <source>Could not remove the incomplete file %1 from the server: %2</source>
        <translation>Die unvollständige Datei %1 konnte nicht vom Server entfernt werden: %2</translation>
    </message>
</context>
<context>
    <name>vexl::OutputPlanner</name>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>These images would overwrite another image or its result:</source>
        <translation>Diese Bilder würden ein anderes Bild oder dessen Ergebnis überschreiben:</translation>
    </message>
    <message>
        <source>Do you want to skip them and process the others?</source>
        <translation>Möchten Sie diese überspringen und die anderen verarbeiten?</translation>
    </message>
</context>
<context>
    <name>vexl::frmFTPConnections</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must not contain control characters such as line breaks or tabs.</source>
        <translation>Das Feld „%1“ darf keine Steuerzeichen wie Zeilenumbrüche oder Tabulatoren enthalten.</translation>
    </message>
    <message>
        <source>The connection name &quot;%1&quot; must not contain &quot;//&quot;.</source>
        <translation>Der Verbindungsname „%1“ darf kein „//“ enthalten.</translation>
    </message>
</context>
<context>
    <name>vexl::frmMain</name>
    <message>
        <source>%1 entries skipped (unusable names or paths too long)</source>
        <translation>%1 Einträge übersprungen (unbrauchbare Namen oder zu lange Pfade)</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Einstellungen speichern unter...</translation>
    </message>
    <message>
        <source>Load Settings...</source>
        <translation>Einstellungen laden...</translation>
    </message>
    <message>
        <source>Recent Presets</source>
        <translation>Zuletzt verwendete Vorlagen</translation>
    </message>
    <message>
        <source>Undo Last Batch...</source>
        <translation>Letzten Stapel rückgängig machen...</translation>
    </message>
    <message>
        <source>Save Settings As</source>
        <translation>Einstellungen speichern unter</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:
%2</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Einstellungen laden</translation>
    </message>
    <message>
        <source>The settings could not be loaded:
%1</source>
        <translation>Die Einstellungen konnten nicht geladen werden:
%1</translation>
    </message>
    <message>
        <source>These values of %1 were refused; their fields keep what they held:</source>
        <translation>Diese Werte aus %1 wurden abgelehnt; ihre Felder behalten ihren bisherigen Inhalt:</translation>
    </message>
    <message>
        <source>Undo Last Batch</source>
        <translation>Letzten Stapel rückgängig machen</translation>
    </message>
</context>
<context>
    <name>vexl::frmNamePreview</name>
    <message>
        <source>No number left: the run stops here.</source>
        <translation>Keine Nummer mehr frei: Der Lauf endet hier.</translation>
    </message>
    <message>
        <source>One file per scene (# is the scene number).</source>
        <translation>Eine Datei pro Szene (# ist die Szenennummer).</translation>
    </message>
    <message>
        <source>Values in [ ] are filled in from the result.</source>
        <translation>Werte in [ ] werden aus dem Ergebnis eingesetzt.</translation>
    </message>
    <message>
        <source>Numbers skipped (name taken): %1</source>
        <translation>Übersprungene Nummern (Name vergeben): %1</translation>
    </message>
    <message>
        <source>Name collision: an earlier image gets %1; this one is skipped if you go on.</source>
        <translation>Namenskonflikt: Ein früheres Bild erhält %1; dieses wird übersprungen, wenn Sie fortfahren.</translation>
    </message>
    <message>
        <source>Name collision: %1 is another ticked image; this one is skipped if you go on.</source>
        <translation>Namenskonflikt: %1 ist ein anderes angehaktes Bild; dieses wird übersprungen, wenn Sie fortfahren.</translation>
    </message>
    <message>
        <source>Name collision: %1 is another file; this one is skipped if you go on.</source>
        <translation>Namenskonflikt: %1 ist eine andere Datei; dieses wird übersprungen, wenn Sie fortfahren.</translation>
    </message>
    <message>
        <source>The settings give no output name: %1</source>
        <translation>Die Einstellungen ergeben keinen Ausgabenamen: %1</translation>
    </message>
    <message>
        <source>Images: %1, into %2</source>
        <translation>Bilder: %1, nach %2</translation>
    </message>
    <message>
        <source>Name collisions (the run asks before it starts): %1</source>
        <translation>Namenskonflikte (der Lauf fragt vor dem Start): %1</translation>
    </message>
    <message>
        <source>Numbers skipped because a file has that name: %1</source>
        <translation>Übersprungene Nummern, weil eine Datei so heißt: %1</translation>
    </message>
    <message>
        <source>Names completed from the result during the run: %1</source>
        <translation>Namen, die während des Laufs aus dem Ergebnis vervollständigt werden: %1</translation>
    </message>
</context>
<context>
    <name>vexl::frmRunSummary</name>
    <message>
        <source>No program is set up to open the folder %1.</source>
        <translation>Es ist kein Programm zum Öffnen des Ordners %1 eingerichtet.</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Ausgabeordner öffnen</translation>
    </message>
</context>
</TS>
