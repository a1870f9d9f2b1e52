<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>BatchRun</name>
    <message>
        <source>Overflow (count): at most 32767 images can be processed in one run</source>
        <translation>Overloop (aantal): per run kunnen hoogstens 32767 afbeeldingen worden verwerkt</translation>
    </message>
    <message>
        <source>No result was published.</source>
        <translation>Er is geen resultaat opgeslagen.</translation>
    </message>
    <message>
        <source>Stopped: %1 images were not processed.</source>
        <translation>Gestopt: %1 afbeeldingen zijn niet verwerkt.</translation>
    </message>
    <message>
        <source>%1 images were not processed.</source>
        <translation>%1 afbeeldingen zijn niet verwerkt.</translation>
    </message>
    <message>
        <source>Skipped %1: its result would overwrite another image or its result.</source>
        <translation>%1 overgeslagen: het resultaat zou een andere afbeelding of het resultaat ervan overschrijven.</translation>
    </message>
    <message>
        <source>No image was written.</source>
        <translation>Er is geen afbeelding geschreven.</translation>
    </message>
    <message>
        <source>%1 was replaced for good (no trash could take it: %2).</source>
        <translation>%1 is definitief vervangen (geen prullenbak kon het opnemen: %2).</translation>
    </message>
    <message>
        <source>The name is taken by another image of this run or by its result.</source>
        <translation>De naam is al in gebruik door een andere afbeelding van deze verwerking of door het resultaat ervan.</translation>
    </message>
    <message>
        <source>%1 was deleted for good (no trash could take it: %2).</source>
        <translation>%1 is definitief verwijderd (geen prullenbak kon het opnemen: %2).</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Output in Same Folder</source>
        <translation>Uitvoer in dezelfde map</translation>
    </message>
    <message>
        <source>Output in Different Folder</source>
        <translation>Uitvoer in een andere map</translation>
    </message>
    <message>
        <source>Configure FTP Servers...</source>
        <translation>FTP-servers instellen...</translation>
    </message>
    <message>
        <source>Please select the connection to remove from list above!</source>
        <translation>Selecteer in de lijst hierboven de verbinding die u wilt verwijderen!</translation>
    </message>
    <message>
        <source>Are you sure you want to remove FTP connection &quot;[NAME]&quot;?</source>
        <translation>Weet u zeker dat u FTP-verbinding &quot;[NAME]&quot; wilt verwijderen?</translation>
    </message>
    <message>
        <source>You must specify a connection name!</source>
        <translation>U moet een naam voor de verbinding opgeven!</translation>
    </message>
    <message>
        <source>You must specify a server hostname/IP!</source>
        <translation>U moet de hostnaam of het IP-adres van de server opgeven!</translation>
    </message>
    <message>
        <source>Only letters (a-z, A-Z), numbers (1-9), periods (.) and hyphons (-) are allowed for server hostname/IP!</source>
        <translation>In de hostnaam of het IP-adres van de server zijn alleen letters (a-z, A-Z), cijfers (0-9), punten (.) en koppeltekens (-) toegestaan!</translation>
    </message>
    <message>
        <source>You must specify a valid port number! Default is 21.</source>
        <translation>U moet een geldig poortnummer opgeven! Standaard is 21.</translation>
    </message>
    <message>
        <source>You must specify a username if annonymous not selected!</source>
        <translation>U moet een gebruikersnaam opgeven als &apos;Anoniem&apos; niet is aangevinkt!</translation>
    </message>
    <message>
        <source>Connection name &quot;[NAME]&quot; already exists! Please select another name.</source>
        <translation>De verbindingsnaam &quot;[NAME]&quot; bestaat al! Kies een andere naam.</translation>
    </message>
    <message>
        <source>No connection for name &quot;[NAME]&quot;!</source>
        <translation>Geen verbinding met de naam &quot;[NAME]&quot;!</translation>
    </message>
    <message>
        <source>Please select a connection from the list above to test.</source>
        <translation>Selecteer in de lijst hierboven een verbinding om te testen.</translation>
    </message>
    <message>
        <source>New Directory Name: </source>
        <translation>Naam van de nieuwe map: </translation>
    </message>
    <message>
        <source>Enter New Directory Name</source>
        <translation>Naam nieuwe map invoeren</translation>
    </message>
    <message>
        <source>New Directory</source>
        <translation>Nieuwe map</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Laatst gewijzigd</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Rechten</translation>
    </message>
    <message>
        <source>FTP Connection Error: </source>
        <translation>FTP-verbindingsfout: </translation>
    </message>
    <message>
        <source>FTP Connection Canceled.</source>
        <translation>FTP-verbinding geannuleerd.</translation>
    </message>
    <message>
        <source>FTP Connection to server &quot;[SERVER]&quot; timed out!</source>
        <translation>Time-out bij de FTP-verbinding met server &quot;[SERVER]&quot;!</translation>
    </message>
    <message>
        <source>Error creating directory: </source>
        <translation>Fout bij het maken van de map: </translation>
    </message>
    <message>
        <source>Go to parent directory</source>
        <translation>Naar de bovenliggende map</translation>
    </message>
    <message>
        <source>Error removing directory: </source>
        <translation>Fout bij het verwijderen van de map: </translation>
    </message>
    <message>
        <source>Error renaming directory: </source>
        <translation>Fout bij het hernoemen van de map: </translation>
    </message>
    <message>
        <source>Rename &quot;[OLDDIRPATH]&quot; To: </source>
        <translation>&quot;[OLDDIRPATH]&quot; hernoemen naar: </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the directory:\n\n[DIRECTORY]?\n\nDirectory must be empty.</source>
        <translation>Weet u zeker dat u deze map wilt verwijderen:\n\n[DIRECTORY]?\n\nDe map moet leeg zijn.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>The control connection is closed</source>
        <translation>De besturingsverbinding is gesloten</translation>
    </message>
    <message>
        <source>Connecting to [SERVER]...</source>
        <translation>Verbinden met [SERVER]...</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>Authentication in progress...</source>
        <translation>Bezig met aanmelden...</translation>
    </message>
    <message>
        <source>User has been logged in successfully</source>
        <translation>Gebruiker is aangemeld</translation>
    </message>
    <message>
        <source>Changing current directory...</source>
        <translation>Huidige map wordt gewijzigd...</translation>
    </message>
    <message>
        <source>Deleting file...</source>
        <translation>Bestand wordt verwijderd...</translation>
    </message>
    <message>
        <source>Removing directory...</source>
        <translation>Map wordt verwijderd...</translation>
    </message>
    <message>
        <source>Creating directory...</source>
        <translation>Map wordt gemaakt...</translation>
    </message>
    <message>
        <source>Renaming file...</source>
        <translation>Bestand wordt hernoemd...</translation>
    </message>
    <message>
        <source>Establishing data connection...</source>
        <translation>Dataverbinding wordt opgebouwd...</translation>
    </message>
    <message>
        <source>Data connection established</source>
        <translation>Dataverbinding opgebouwd</translation>
    </message>
    <message>
        <source>Retrieving directory info...</source>
        <translation>Inhoud van de map wordt opgehaald...</translation>
    </message>
    <message>
        <source>Directory info retrieved</source>
        <translation>Inhoud van de map opgehaald</translation>
    </message>
    <message>
        <source>Download in progress...</source>
        <translation>Bezig met downloaden...</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Download voltooid</translation>
    </message>
    <message>
        <source>Upload in progress...</source>
        <translation>Bezig met uploaden...</translation>
    </message>
    <message>
        <source>Upload complete</source>
        <translation>Upload voltooid</translation>
    </message>
    <message>
        <source>FTP Connection &quot;[NAME]&quot; OK.</source>
        <translation>FTP-verbinding &quot;[NAME]&quot; werkt.</translation>
    </message>
    <message>
        <source>Error listing files: </source>
        <translation>Fout bij het ophalen van de bestandslijst: </translation>
    </message>
    <message>
        <source>Error accessing path &quot;[PATH]&quot;!</source>
        <translation>Fout bij toegang tot pad &quot;[PATH]&quot;!</translation>
    </message>
    <message>
        <source>Transferring &quot;[FILE]&quot; to FTP Server...</source>
        <translation>&quot;[FILE]&quot; wordt naar de FTP-server overgezet...</translation>
    </message>
    <message>
        <source>FTP Client Busy, Waiting...</source>
        <translation>FTP-client bezet, even wachten...</translation>
    </message>
    <message>
        <source>FTP Upload Error, Process Stopped: </source>
        <translation>FTP-uploadfout, verwerking gestopt: </translation>
    </message>
    <message>
        <source>FTP Upload Timed Out. Process Stopped.</source>
        <translation>Time-out bij FTP-upload. Verwerking gestopt.</translation>
    </message>
    <message>
        <source>FTP Upload Canceled. Process Stopped.</source>
        <translation>FTP-upload geannuleerd. Verwerking gestopt.</translation>
    </message>
    <message>
        <source>Login details not given. Ending process.</source>
        <translation>Geen aanmeldgegevens opgegeven. Verwerking wordt beëindigd.</translation>
    </message>
    <message>
        <source>The FTP connection has closed. Do you want to re-open it and continue?</source>
        <translation>De FTP-verbinding is gesloten. Wilt u deze opnieuw openen en doorgaan?</translation>
    </message>
    <message>
        <source>Connection Remove Error: Name could not be found!</source>
        <translation>Fout bij het verwijderen van de verbinding: naam niet gevonden!</translation>
    </message>
    <message>
        <source>Login failed for [NUMATTEMPTS] attempts.</source>
        <translation>Aanmelden mislukt na [NUMATTEMPTS] pogingen.</translation>
    </message>
    <message>
        <source>Username/Password Incorrect. Do you want to retry?</source>
        <translation>Gebruikersnaam/wachtwoord onjuist. Wilt u het opnieuw proberen?</translation>
    </message>
    <message>
        <source>Connecting to server (timeout in [TIMEOUT] seconds)...</source>
        <translation>Verbinden met server (time-out na [TIMEOUT] seconden)...</translation>
    </message>
    <message>
        <source>Current Directory: </source>
        <translation>Huidige map: </translation>
    </message>
    <message>
        <source>Error setting directory to path &quot;[PATH]&quot;. Exiting process.</source>
        <translation>Fout bij het wisselen naar map &quot;[PATH]&quot;. Verwerking wordt beëindigd.</translation>
    </message>
    <message>
        <source>Error creating directory &quot;[PATH]&quot;. Exiting Process.</source>
        <translation>Fout bij het maken van map &quot;[PATH]&quot;. Verwerking wordt beëindigd.</translation>
    </message>
    <message>
        <source>(Preview Disabled)</source>
        <translation>(Voorbeeld uitgeschakeld)</translation>
    </message>
    <message>
        <source>Could not overlay text to on image &quot;[IMAGE]&quot;! Do you want to continue processing images?</source>
        <translation>Kan de tekst niet op afbeelding &quot;[IMAGE]&quot; plaatsen! Wilt u doorgaan met het verwerken van afbeeldingen?</translation>
    </message>
    <message>
        <source>Could not greyscale image &quot;[IMAGE]&quot; because:</source>
        <translation>Kan afbeelding &quot;[IMAGE]&quot; niet naar grijswaarden omzetten omdat:</translation>
    </message>
    <message>
        <source>Could not invert colours of image &quot;[IMAGE]&quot; because:</source>
        <translation>Kan de kleuren van afbeelding &quot;[IMAGE]&quot; niet omkeren omdat:</translation>
    </message>
    <message>
        <source>There is an IMMINENT possibility that output images will overwrite selected images.\nAre you sure you want to continue?\n\nPress &apos;Cancel&apos; to never see this message again, and continue.</source>
        <translation>Er is een ACUUT risico dat uitvoerafbeeldingen geselecteerde afbeeldingen overschrijven.\nWeet u zeker dat u wilt doorgaan?\n\nKlik op &apos;Annuleren&apos; om door te gaan en dit bericht nooit meer te zien.</translation>
    </message>
    <message>
        <source>There is a MEDIUM possibility that output images will overwrite selected images\n(The only differentiation is the spaces/undercores or extension, which is weak).\nAre you sure you want to continue?\n\nPress &apos;Cancel&apos; to never see this message again, and continue.</source>
        <translation>Er is een GEMIDDELD risico dat uitvoerafbeeldingen geselecteerde afbeeldingen overschrijven\n(ze verschillen alleen in spaties/underscores of de extensie, en dat is een zwak verschil).\nWeet u zeker dat u wilt doorgaan?\n\nKlik op &apos;Annuleren&apos; om door te gaan en dit bericht nooit meer te zien.</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Scène</translation>
    </message>
    <message>
        <source>Could not retrive information on &quot;[IMAGE]&quot; because:\n[ERROR]\n\nDo you want to continue processing images?</source>
        <translation>Kan geen informatie over &quot;[IMAGE]&quot; ophalen omdat:\n[ERROR]\n\nWilt u doorgaan met het verwerken van afbeeldingen?</translation>
    </message>
    <message>
        <source>In Folder: </source>
        <translation>In map: </translation>
    </message>
    <message>
        <source>Filename cannot contain the following characters: </source>
        <translation>Een bestandsnaam mag de volgende tekens niet bevatten: </translation>
    </message>
    <message>
        <source>Could not make folder &quot;[FOLDER]&quot;\n\nFolder already exists!</source>
        <translation>Kan map &quot;[FOLDER]&quot; niet aanmaken\n\nDe map bestaat al!</translation>
    </message>
    <message>
        <source>Could not make folder &quot;[FOLDER]&quot;\n\n[ERROR]!</source>
        <translation>Kan map &quot;[FOLDER]&quot; niet aanmaken\n\n[ERROR]!</translation>
    </message>
    <message>
        <source>Orig. Size:</source>
        <translation>Orig. grootte:</translation>
    </message>
    <message>
        <source>Batch Process Images...</source>
        <translation>Afbeeldingen batchgewijs verwerken...</translation>
    </message>
    <message>
        <source>Process Finished!</source>
        <translation>Verwerking voltooid!</translation>
    </message>
    <message>
        <source>Could not delete file &quot;[IMAGE]&quot; because:</source>
        <translation>Kan bestand &quot;[IMAGE]&quot; niet verwijderen omdat:</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;[IMAGE]&quot;</source>
        <translation>Weet u zeker dat u &quot;[IMAGE]&quot; wilt verwijderen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete these [NUM] images?</source>
        <translation>Weet u zeker dat u deze [NUM] afbeeldingen wilt verwijderen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the checked image?</source>
        <translation>Weet u zeker dat u de aangevinkte afbeelding wilt verwijderen?</translation>
    </message>
    <message>
        <source>Could not flip image &quot;[IMAGE]&quot; because:</source>
        <translation>Kan afbeelding &quot;[IMAGE]&quot; niet spiegelen omdat:</translation>
    </message>
    <message>
        <source>Could not rotate image &quot;[IMAGE]&quot; because:</source>
        <translation>Kan afbeelding &quot;[IMAGE]&quot; niet draaien omdat:</translation>
    </message>
    <message>
        <source>Cannot Access Location: </source>
        <translation>Geen toegang tot locatie: </translation>
    </message>
    <message>
        <source>A value is required in this field!</source>
        <translation>Dit veld moet een waarde hebben!</translation>
    </message>
    <message>
        <source>Only numbers are allowed into this field!</source>
        <translation>In dit veld zijn alleen cijfers toegestaan!</translation>
    </message>
    <message>
        <source>Number not allowed to be 0!</source>
        <translation>Het getal mag geen 0 zijn!</translation>
    </message>
    <message>
        <source>Error Loading: </source>
        <translation>Fout bij laden: </translation>
    </message>
    <message>
        <source>Select Output Directory:</source>
        <translation>Kies de uitvoermap:</translation>
    </message>
    <message>
        <source>Please Select at least 1 Image to Process!</source>
        <translation>Selecteer ten minste 1 afbeelding om te verwerken!</translation>
    </message>
    <message>
        <source>Could not bevel image with a width of [WIDTH] pixels\nThe image may be too small for this bevel width.\n\nDo you want to continue processing images?</source>
        <translation>Kan geen 3D-rand van [WIDTH] pixels breed op de afbeelding toepassen\nDe afbeelding is mogelijk te klein voor deze randbreedte.\n\nWilt u doorgaan met het verwerken van afbeeldingen?</translation>
    </message>
    <message>
        <source>Could not remove file &quot;[IMAGE]&quot;!\nDo you want to continue processing images?</source>
        <translation>Kan bestand &quot;[IMAGE]&quot; niet verwijderen!\nWilt u doorgaan met het verwerken van afbeeldingen?</translation>
    </message>
    <message>
        <source>ImageMagick Encountered and Error When Doing this:\n[CURROP]\nDescription: [ERROR]\nThe file might be Read Only, Hidden or not an Image.\n\nDo you want to continue processing images?</source>
        <translation>ImageMagick is een fout tegengekomen bij deze stap:\n[CURROP]\nBeschrijving: [ERROR]\nHet bestand is mogelijk alleen-lezen, verborgen of geen afbeelding.\n\nWilt u doorgaan met het verwerken van afbeeldingen?</translation>
    </message>
    <message>
        <source>Could not copy &quot;[IMAGE1]&quot; to &quot;[IMAGE2]&quot;!\nDo you want to continue processing images?</source>
        <translation>Kan &quot;[IMAGE1]&quot; niet kopiëren naar &quot;[IMAGE2]&quot;!\nWilt u doorgaan met het verwerken van afbeeldingen?</translation>
    </message>
    <message>
        <source>Stopping Process...</source>
        <translation>Verwerking wordt gestopt...</translation>
    </message>
    <message>
        <source>Stop Processing Images</source>
        <translation>Verwerking stoppen</translation>
    </message>
    <message>
        <source>Process stopping...</source>
        <translation>Bezig met stoppen...</translation>
    </message>
    <message>
        <source>Due to limitations in this function, styles such as:\n\nBold, Italic, Underline and Strikethru\n\nCannot be applied to images and have been ignored.</source>
        <translation>Door beperkingen van deze functie kunnen stijlen zoals:\n\nVet, Cursief, Onderstreept en Doorgehaald\n\nniet op afbeeldingen worden toegepast en zijn genegeerd.</translation>
    </message>
    <message>
        <source>* - 0 or more characters (wildcard).\n? - Any single character.\n* - Zero or more characters.\n# - Any single digit (0 to 9).\n[charlist] - Any single character in charlist.\n[!charlist] - Any single character not in charlist.</source>
        <translation>* - 0 of meer tekens (jokerteken).\n? - Eén willekeurig teken.\n* - Nul of meer tekens.\n# - Eén willekeurig cijfer (0 tot en met 9).\n[tekenlijst] - Eén willekeurig teken uit de tekenlijst.\n[!tekenlijst] - Eén willekeurig teken dat niet in de tekenlijst staat.</translation>
    </message>
    <message>
        <source>Enter Pattern: </source>
        <translation>Voer het patroon in: </translation>
    </message>
    <message>
        <source>Select Images By Pattern</source>
        <translation>Afbeeldingen volgens patroon selecteren</translation>
    </message>
    <message>
        <source>De-Select Images By Pattern</source>
        <translation>Afbeeldingen volgens patroon deselecteren</translation>
    </message>
    <message>
        <source>The current image is about to be resized to over 6 megapixels ([DIMENSIONS]). This may cause the program to freeze as it is a very large image to process.\nYou might be resizing as a percentage accidently.\n\nPress yes to continue resizing. You will not see this warning again.\nPress no to skip image.\nPress cancel to end process.</source>
        <translation>De huidige afbeelding wordt zo geschaald naar meer dan 6 megapixels ([DIMENSIONS]). Het programma kan hierdoor vastlopen, want zo&apos;n grote afbeelding is zwaar om te verwerken.\nMisschien schaalt u per ongeluk in procenten.\n\nKlik op &apos;Ja&apos; om door te gaan met schalen. U ziet deze waarschuwing dan niet meer.\nKlik op &apos;Nee&apos; om de afbeelding over te slaan.\nKlik op &apos;Annuleren&apos; om de verwerking te beëindigen.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Error removing old image:\n[IMAGE]\n[ERROR]\n\nDo you want to continue?</source>
        <translation>Fout bij het verwijderen van de oude afbeelding:\n[IMAGE]\n[ERROR]\n\nWilt u doorgaan?</translation>
    </message>
    <message>
        <source>Error creating directory:\n[DIR]\n\nDo you want to continue?</source>
        <translation>Fout bij het maken van de map:\n[DIR]\n\nWilt u doorgaan?</translation>
    </message>
    <message>
        <source>Process Aborted.</source>
        <translation>Verwerking afgebroken.</translation>
    </message>
    <message>
        <source>Processing Images</source>
        <translation>Afbeeldingen verwerken</translation>
    </message>
    <message>
        <source>You have selected to delete orignal images. These images can not be recovered.\nAre you sure you want to continue?\n\nPress &apos;Cancel&apos; to never see this message again, and continue.</source>
        <translation>U hebt ervoor gekozen de originele afbeeldingen te verwijderen. Deze afbeeldingen kunnen niet worden hersteld.\nWeet u zeker dat u wilt doorgaan?\n\nKlik op &apos;Annuleren&apos; om door te gaan en dit bericht nooit meer te zien.</translation>
    </message>
    <message>
        <source>Please close and restart VEXL for this to take effect.\n\nWhen ticked, the controls are drawn in the desktop&apos;s own widget style; otherwise in the built-in style.</source>
        <translation>Sluit VEXL en start het opnieuw om dit te laten werken.\n\nAls dit is aangevinkt, worden de bedieningselementen in de eigen stijl van het bureaublad getekend; anders in de ingebouwde stijl.</translation>
    </message>
    <message>
        <source>No program is set up to open images, so &quot;[FILE]&quot; could not be opened.\n\nChoose an image viewer in your desktop&apos;s default applications settings, then try again.</source>
        <translation>Er is geen programma ingesteld om afbeeldingen te openen, dus &quot;[FILE]&quot; kon niet worden geopend.\n\nKies een afbeeldingsviewer bij de standaardtoepassingen van uw bureaublad en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>No program is set up to open web pages, so &quot;[URL]&quot; could not be opened.\n\nChoose a web browser in your desktop&apos;s default applications settings, then try again.</source>
        <translation>Er is geen programma ingesteld om webpagina&apos;s te openen, dus &quot;[URL]&quot; kon niet worden geopend.\n\nKies een webbrowser bij de standaardtoepassingen van uw bureaublad en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Image workers run unconfined: this kernel offers no Landlock, so a hostile image could reach your files.</source>
        <translation>Beeldprocessen draaien zonder afscherming: deze kernel biedt geen Landlock, dus een kwaadaardige afbeelding zou uw bestanden kunnen bereiken.</translation>
    </message>
    <message>
        <source>Image workers are confined to the run&apos;s folders, but this kernel&apos;s Landlock (ABI [ABI]) cannot keep them off the network.</source>
        <translation>Beeldprocessen zijn beperkt tot de mappen van de verwerking, maar de Landlock van deze kernel (ABI [ABI]) kan ze niet van het netwerk weren.</translation>
    </message>
    <message>
        <source>Image workers run unconfined: VEXL_NO_SANDBOX is set.</source>
        <translation>Beeldprocessen draaien zonder afscherming: VEXL_NO_SANDBOX is ingesteld.</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Done: %1</source>
        <translation>Klaar: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Overgeslagen: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Mislukt: %1</translation>
    </message>
    <message>
        <source>Deleted to trash: %1</source>
        <translation>Naar de prullenbak: %1</translation>
    </message>
    <message>
        <source>Uploaded: %1</source>
        <translation>Geüpload: %1</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Overgeslagen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>Niet verwerkt</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Antwoord: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>no trash can take this file</source>
        <translation>geen prullenbak kan dit bestand opnemen</translation>
    </message>
</context>
<context>
    <name>UndoBatch</name>
    <message>
        <source>Undo Last Batch</source>
        <translation>Laatste batch ongedaan maken</translation>
    </message>
    <message>
        <source>There is no batch to undo.</source>
        <translation>Er is geen batch om ongedaan te maken.</translation>
    </message>
    <message>
        <source>Undo the last batch? This will:</source>
        <translation>De laatste batch ongedaan maken? Dit gebeurt dan:</translation>
    </message>
    <message>
        <source>The last batch was undone.</source>
        <translation>De laatste batch is ongedaan gemaakt.</translation>
    </message>
    <message>
        <source>The last batch was undone, except what is listed as kept.</source>
        <translation>De laatste batch is ongedaan gemaakt, behalve wat als behouden staat vermeld.</translation>
    </message>
    <message>
        <source>Rename %1 back to %2</source>
        <translation>%1 terug hernoemen naar %2</translation>
    </message>
    <message>
        <source>Remove %1 and restore from the trash the file it replaced</source>
        <translation>%1 verwijderen en het bestand dat het verving uit de prullenbak terugzetten</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 verwijderen</translation>
    </message>
    <message>
        <source>Restore %1 from the trash</source>
        <translation>%1 uit de prullenbak terugzetten</translation>
    </message>
    <message>
        <source>Delete %1 on the server of %2</source>
        <translation>%1 verwijderen op de server van %2</translation>
    </message>
    <message>
        <source>Kept %1: it changed or went since the batch</source>
        <translation>%1 behouden: gewijzigd of verdwenen sinds de batch</translation>
    </message>
    <message>
        <source>Kept %1: another file is at %2 now</source>
        <translation>%1 behouden: op %2 staat nu een ander bestand</translation>
    </message>
    <message>
        <source>Kept %1: %2</source>
        <translation>%1 behouden: %2</translation>
    </message>
    <message>
        <source>Renamed %1 back to %2</source>
        <translation>%1 teruggezet naar %2</translation>
    </message>
    <message>
        <source>Already gone: %1</source>
        <translation>Al verdwenen: %1</translation>
    </message>
    <message>
        <source>Kept %1: it changed since the batch</source>
        <translation>%1 behouden: gewijzigd sinds de batch</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>%1 verwijderd</translation>
    </message>
    <message>
        <source>Kept %1: the file it replaced is not in the trash</source>
        <translation>%1 behouden: het bestand dat het verving staat niet in de prullenbak</translation>
    </message>
    <message>
        <source>Removed %1 and restored the file it replaced</source>
        <translation>%1 verwijderd en het bestand dat het verving teruggezet</translation>
    </message>
    <message>
        <source>Restored %1 from the trash</source>
        <translation>%1 uit de prullenbak teruggezet</translation>
    </message>
    <message>
        <source>Left %1 in the trash: another file is in its place</source>
        <translation>%1 in de prullenbak gelaten: op zijn plaats staat een ander bestand</translation>
    </message>
    <message>
        <source>Could not restore %1: it is no longer in the trash</source>
        <translation>%1 kon niet worden teruggezet: het staat niet meer in de prullenbak</translation>
    </message>
    <message>
        <source>Left %1 in the trash: %2</source>
        <translation>%1 in de prullenbak gelaten: %2</translation>
    </message>
    <message>
        <source>Not deleted on the server: %1 (%2)</source>
        <translation>Niet verwijderd op de server: %1 (%2)</translation>
    </message>
    <message>
        <source>no saved connection &quot;%1&quot;</source>
        <translation>geen opgeslagen verbinding &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the connection &quot;%1&quot; has no saved password</source>
        <translation>de verbinding &quot;%1&quot; heeft geen opgeslagen wachtwoord</translation>
    </message>
    <message>
        <source>Deleted %1 on the server of %2</source>
        <translation>%1 verwijderd op de server van %2</translation>
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
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versie:</translation>
    </message>
    <message>
        <source>Date Written:</source>
        <translation>Gemaakt op:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Powered By:</source>
        <translation>Gebaseerd op:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschrijving:</translation>
    </message>
    <message>
        <source>Terms and Conditions</source>
        <translation>Gebruiksvoorwaarden</translation>
    </message>
    <message>
        <source>Imagemagick License</source>
        <translation>Imagemagick-licentie</translation>
    </message>
    <message>
        <source>Make Donation...</source>
        <translation>Doneren...</translation>
    </message>
    <message>
        <source>Submit Feedback</source>
        <translation>Feedback geven</translation>
    </message>
    <message>
        <source>Submit feedback/review of VEXL online.</source>
        <translation>Stuur online feedback of een recensie over VEXL.</translation>
    </message>
    <message>
        <source>Report Bug/Error</source>
        <translation>Fout melden</translation>
    </message>
    <message>
        <source>Got an error? I want to know about it! Report it online here.</source>
        <translation>Een fout gevonden? Dat wil ik graag weten! Meld hem hier online.</translation>
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
        <translation>Er is een fout opgetreden!</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>Nr.:</translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Beschrijving: </translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Foutdetails:</translation>
    </message>
    <message>
        <source>Send Error Infomation to Bug Reporter</source>
        <translation>Foutrapport naar de ontwikkelaar sturen</translation>
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
        <translation>FTP-verbindingen instellen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Select a connection name in above list and click this button to remove it.</source>
        <translation>Selecteer een verbindingsnaam in de lijst hierboven en klik op deze knop om de verbinding te verwijderen.</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>Test the connection by connecting to it with details given.</source>
        <translation>Test de verbinding door met de opgegeven gegevens verbinding te maken.</translation>
    </message>
    <message>
        <source>Connection Name:</source>
        <translation>Verbindingsnaam:</translation>
    </message>
    <message>
        <source>Enter a unique and desciptive name for the FTP connection.</source>
        <translation>Voer een unieke, duidelijke naam in voor de FTP-verbinding.</translation>
    </message>
    <message>
        <source>&amp;Connection</source>
        <translation>Ver&amp;binding</translation>
    </message>
    <message>
        <source>Server Hostname/IP:</source>
        <translation>Hostnaam/IP van server:</translation>
    </message>
    <message>
        <source>The hostname or the IP address of the FTP server to upload images to.</source>
        <translation>De hostnaam of het IP-adres van de FTP-server waarnaar de afbeeldingen worden geüpload.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Poort:</translation>
    </message>
    <message>
        <source>The port number of the FTP server to upload images to. Default is 21.</source>
        <translation>Het poortnummer van de FTP-server waarnaar de afbeeldingen worden geüpload. Standaard is 21.</translation>
    </message>
    <message>
        <source>Use Passive Mode</source>
        <translation>Passieve modus gebruiken</translation>
    </message>
    <message>
        <source>Check to use passive mode (PASV) rather than active mode (PORT).</source>
        <translation>Vink aan om de passieve modus (PASV) te gebruiken in plaats van de actieve modus (PORT).</translation>
    </message>
    <message>
        <source>Timeout (Seconds):</source>
        <translation>Time-out (seconden):</translation>
    </message>
    <message>
        <source>If the server doesn&apos;t respond within the specified time, connection is canceled.</source>
        <translation>Als de server niet binnen de opgegeven tijd reageert, wordt de verbinding geannuleerd.</translation>
    </message>
    <message>
        <source>&amp;Default Path</source>
        <translation>&amp;Standaardpad</translation>
    </message>
    <message>
        <source>The path of the directory on the FTP server to upload images into. This can be changed when selecting the connection as the output.</source>
        <translation>Het pad van de map op de FTP-server waarin de afbeeldingen worden geüpload. Dit kunt u wijzigen wanneer u de verbinding als uitvoer kiest.</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Aanmelding</translation>
    </message>
    <message>
        <source>Annonymous</source>
        <translation>Anoniem</translation>
    </message>
    <message>
        <source>Check if connection is for an annonymous server (i.e. no username or password).</source>
        <translation>Vink aan als de verbinding naar een anonieme server gaat (d.w.z. zonder gebruikersnaam of wachtwoord).</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Gebruikersnaam:</translation>
    </message>
    <message>
        <source>The username to use when logging onto the FTP server.</source>
        <translation>De gebruikersnaam waarmee u zich bij de FTP-server aanmeldt.</translation>
    </message>
    <message>
        <source>Save Password:</source>
        <translation>Wachtwoord opslaan:</translation>
    </message>
    <message>
        <source>Check to allow the password to be stored for connection. Means the username/password won&apos;t be asked for when connecting to FTP server. Passwords are stored using encryption.</source>
        <translation>Vink aan om het wachtwoord voor de verbinding op te slaan. Gebruikersnaam en wachtwoord worden dan niet gevraagd bij het verbinden met de FTP-server. Wachtwoorden worden versleuteld opgeslagen.</translation>
    </message>
    <message>
        <source>The password to use when logging onto the FTP server. If not specified, password will be asked on each connection attempt.</source>
        <translation>Het wachtwoord waarmee u zich bij de FTP-server aanmeldt. Als u het niet opgeeft, wordt het bij elke verbindingspoging gevraagd.</translation>
    </message>
    <message>
        <source>&amp;Save/Add</source>
        <translation>&amp;Opslaan/toevoegen</translation>
    </message>
    <message>
        <source>Save selected connection or add new connection to list.</source>
        <translation>Slaat de geselecteerde verbinding op of voegt een nieuwe verbinding aan de lijst toe.</translation>
    </message>
</context>
<context>
    <name>frmFTPLogin</name>
    <message>
        <source>Server Login</source>
        <translation>Aanmelden bij server</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Gebruikersnaam:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>&amp;Remember Username &amp;&amp; Password</source>
        <translation>&amp;Gebruikersnaam &amp;&amp; wachtwoord onthouden</translation>
    </message>
    <message>
        <source>Check if you want the above username and password to be stored for this connection. This will mean you wont have to enter login details again.</source>
        <translation>Vink aan als u de gebruikersnaam en het wachtwoord hierboven voor deze verbinding wilt opslaan. U hoeft de aanmeldgegevens dan niet opnieuw in te voeren.</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Aanmelden</translation>
    </message>
    <message>
        <source>Press to login to server using username/password above.</source>
        <translation>Klik om u met de gebruikersnaam en het wachtwoord hierboven bij de server aan te melden.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuleren</translation>
    </message>
    <message>
        <source>Press to cancel connection to server.</source>
        <translation>Klik om de verbinding met de server te annuleren.</translation>
    </message>
</context>
<context>
    <name>frmFTPSelectOutputDir</name>
    <message>
        <source>Select FTP Output Directory</source>
        <translation>FTP-uitvoermap kiezen</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Laatst gewijzigd</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Rechten</translation>
    </message>
    <message>
        <source>Create Directory...</source>
        <translation>Map maken...</translation>
    </message>
    <message>
        <source>Press to create a new directory in above directory.</source>
        <translation>Klik om een nieuwe map te maken in de map hierboven.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Press to select output directory and return to main screen.</source>
        <translation>Klik om de uitvoermap te kiezen en terug te gaan naar het hoofdvenster.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Press to cancel selection of directory.</source>
        <translation>Klik om het kiezen van de map te annuleren.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Naam wijzigen...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Verwijderen...</translation>
    </message>
    <message>
        <source>&amp;Create New Directory...</source>
        <translation>Nieuwe &amp;map maken...</translation>
    </message>
</context>
<context>
    <name>frmFTPTest</name>
    <message>
        <source>Test FTP Connection</source>
        <translation>FTP-verbinding testen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Cancel connection test/close window.</source>
        <translation>Annuleert de verbindingstest of sluit het venster.</translation>
    </message>
</context>
<context>
    <name>frmGo</name>
    <message>
        <source>Processing Images</source>
        <translation>Afbeeldingen verwerken</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Afbeelding:</translation>
    </message>
    <message>
        <source>Scene:</source>
        <translation>Scène:</translation>
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
        <translation>Verwerking stoppen</translation>
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
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>Rotate Image</source>
        <translation>Afbeelding draaien</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>De-Select</source>
        <translation>Deselecteren</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Animated to Non-Animated</source>
        <translation>Geanimeerd naar stilstaand</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Info...</translation>
    </message>
    <message>
        <source>FTP Connections...</source>
        <translation>FTP-verbindingen...</translation>
    </message>
    <message>
        <source>Visit Quillmere...</source>
        <translation>Quillmere bezoeken...</translation>
    </message>
    <message>
        <source>Get VEXL Professional...</source>
        <translation>VEXL Professional aanschaffen...</translation>
    </message>
    <message>
        <source>Make Donation...</source>
        <translation>Doneren...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Afbeelding openen</translation>
    </message>
    <message>
        <source>Flip Image Horizontally</source>
        <translation>Afbeelding horizontaal spiegelen</translation>
    </message>
    <message>
        <source>Flip Image Vertically</source>
        <translation>Afbeelding verticaal spiegelen</translation>
    </message>
    <message>
        <source>Invert Image Colours</source>
        <translation>Kleuren van afbeelding omkeren</translation>
    </message>
    <message>
        <source>Greyscale Image</source>
        <translation>Omzetten naar grijswaarden</translation>
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
        <translation>Afbeelding verwijderen</translation>
    </message>
    <message>
        <source>Delete Checked Images</source>
        <translation>Aangevinkte afbeeldingen verwijderen</translation>
    </message>
    <message>
        <source>Recurse Subdirectories</source>
        <translation>Submappen doorzoeken</translation>
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
        <translation>Volgens patroon...</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Selectie omkeren</translation>
    </message>
    <message>
        <source>Preview Images</source>
        <translation>Voorbeeld tonen</translation>
    </message>
    <message>
        <source>Tooltips</source>
        <translation>Tooltips</translation>
    </message>
    <message>
        <source>Enable Explorer Context Menu</source>
        <translation>Verkenner-contextmenu inschakelen</translation>
    </message>
    <message>
        <source>Extract 1st Scene</source>
        <translation>Eerste scène extraheren</translation>
    </message>
    <message>
        <source>Extract All Scenes (Append Scene Number)</source>
        <translation>Alle scènes extraheren (scènenummer toevoegen)</translation>
    </message>
    <message>
        <source>English (Default)</source>
        <translation>English (standaard)</translation>
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
        <translation>Italiano (vertaling volgt)</translation>
    </message>
    <message>
        <source>Nederlands</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Submit...</source>
        <translation>Insturen...</translation>
    </message>
    <message>
        <source>Grey (Default)</source>
        <translation>Grijs (standaard)</translation>
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
        <translation>Licht</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Blue Grey</source>
        <translation>Blauwgrijs</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Clear All Settings</source>
        <translation>Alle instellingen wissen</translation>
    </message>
    <message>
        <source>Image Width</source>
        <translation>Afbeeldingsbreedte</translation>
    </message>
    <message>
        <source>Image Height</source>
        <translation>Afbeeldingshoogte</translation>
    </message>
    <message>
        <source>Number of Megapixels</source>
        <translation>Aantal megapixels</translation>
    </message>
    <message>
        <source>Number of Unique Colours</source>
        <translation>Aantal unieke kleuren</translation>
    </message>
    <message>
        <source>Filename (without extension)</source>
        <translation>Bestandsnaam (zonder extensie)</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translation>Bestandsextensie</translation>
    </message>
    <message>
        <source>File Size (with units)</source>
        <translation>Bestandsgrootte (met eenheid)</translation>
    </message>
    <message>
        <source>Sequential Number</source>
        <translation>Volgnummer</translation>
    </message>
    <message>
        <source>Number of Selected Images</source>
        <translation>Aantal geselecteerde afbeeldingen</translation>
    </message>
    <message>
        <source>Set Foreground (Text) Colour...</source>
        <translation>Voorgrondkleur (tekst) instellen...</translation>
    </message>
    <message>
        <source>To Colour...</source>
        <translation>Kleur kiezen...</translation>
    </message>
    <message>
        <source>To Transparent</source>
        <translation>Transparant</translation>
    </message>
    <message>
        <source>List of images to process. Un-check any images you don&apos;t want to process. Double-click to open the image.</source>
        <translation>Lijst met te verwerken afbeeldingen. Vink afbeeldingen uit die u niet wilt verwerken. Dubbelklik om een afbeelding te openen.</translation>
    </message>
    <message>
        <source>Loading List...</source>
        <translation>Lijst laden...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Tick every image.</source>
        <translation>Vinkt alle afbeeldingen aan.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Untick every image.</source>
        <translation>Vinkt alle afbeeldingen uit.</translation>
    </message>
    <message>
        <source>View Picture</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>What the selected image on the left looks like.</source>
        <translation>Zo ziet de links geselecteerde afbeelding eruit.</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Afmetingen</translation>
    </message>
    <message>
        <source>The method in which to resize the images.</source>
        <translation>De manier waarop de afbeeldingen worden geschaald.</translation>
    </message>
    <message>
        <source>Don&apos;t Resize</source>
        <translation>Niet schalen</translation>
    </message>
    <message>
        <source>Restrict Width &amp; Height</source>
        <translation>Afmetingen beperken</translation>
    </message>
    <message>
        <source>Restrict Width</source>
        <translation>Breedte beperken</translation>
    </message>
    <message>
        <source>Restrict Height</source>
        <translation>Hoogte beperken</translation>
    </message>
    <message>
        <source>Fix to Size</source>
        <translation>Vaste grootte</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>The width of the output image.</source>
        <translation>De breedte van de uitvoerafbeelding.</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>The height of the output image.</source>
        <translation>De hoogte van de uitvoerafbeelding.</translation>
    </message>
    <message>
        <source>Check to resize the image to dimensions that are proportional to the image&apos;s original size.</source>
        <translation>Vink aan om de afmetingen op te geven als percentage van de oorspronkelijke grootte van de afbeelding.</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Diversen</translation>
    </message>
    <message>
        <source>Antialias</source>
        <translation>Anti-aliasing</translation>
    </message>
    <message>
        <source>Antialias the image.</source>
        <translation>Past anti-aliasing toe op de afbeelding.</translation>
    </message>
    <message>
        <source>Bevel</source>
        <translation>3D-rand</translation>
    </message>
    <message>
        <source>Apply the bevel effect to the image.</source>
        <translation>Geeft de afbeelding een afgeschuinde 3D-rand.</translation>
    </message>
    <message>
        <source>The width of the bevel in pixels.</source>
        <translation>De breedte van de 3D-rand in pixels.</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Draaien</translation>
    </message>
    <message>
        <source>Rotate the image clockwise (1 to 359 degrees).</source>
        <translation>Draait de afbeelding met de klok mee (1 tot 359 graden).</translation>
    </message>
    <message>
        <source>The degrees in which to rotate the image clockwise.</source>
        <translation>Het aantal graden dat de afbeelding met de klok mee draait.</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Graden</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Horizontaal spiegelen</translation>
    </message>
    <message>
        <source>Reflect the image in the horizontal direction (left becomes right, right becomes left).</source>
        <translation>Spiegelt de afbeelding in horizontale richting (links wordt rechts, rechts wordt links).</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Verticaal spiegelen</translation>
    </message>
    <message>
        <source>Reflect the image in the vertical direction (top becomes bottom, bottom becomes top).</source>
        <translation>Spiegelt de afbeelding in verticale richting (boven wordt onder, onder wordt boven).</translation>
    </message>
    <message>
        <source>Invert Colours</source>
        <translation>Kleuren omkeren</translation>
    </message>
    <message>
        <source>Inverts the colours of the image (black becomes white, etc.).</source>
        <translation>Keert de kleuren van de afbeelding om (zwart wordt wit enz.).</translation>
    </message>
    <message>
        <source>Greyscale</source>
        <translation>Grijswaarden</translation>
    </message>
    <message>
        <source>Convert the image to shades of grey (no colour).</source>
        <translation>Zet de afbeelding om naar grijstinten (geen kleur).</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Hernoemen</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Prefix:</translation>
    </message>
    <message>
        <source>Text to put at the start of the filename.</source>
        <translation>Tekst aan het begin van de bestandsnaam.</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Insert a meta variable (data about the image) into the prefix.</source>
        <translation>Voegt een metavariabele (gegevens over de afbeelding) in de prefix in.</translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation>Suffix:</translation>
    </message>
    <message>
        <source>Text to put at the end of the filename.</source>
        <translation>Tekst aan het eind van de bestandsnaam.</translation>
    </message>
    <message>
        <source>Insert a meta variable (data about the image) into the suffix.</source>
        <translation>Voegt een metavariabele (gegevens over de afbeelding) in de suffix in.</translation>
    </message>
    <message>
        <source>Select how you want to change the case of the filenames.</source>
        <translation>Kies hoe hoofdletters en kleine letters in de bestandsnamen worden aangepast.</translation>
    </message>
    <message>
        <source>UncHanGEd cAse</source>
        <translation>OnGeWiJzIgD</translation>
    </message>
    <message>
        <source>to lower-case</source>
        <translation>kleine letters</translation>
    </message>
    <message>
        <source>TO UPPER-CASE</source>
        <translation>HOOFDLETTERS</translation>
    </message>
    <message>
        <source>First letter case</source>
        <translation>Eerste letter hoofdletter</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Elk Woord Hoofdletter</translation>
    </message>
    <message>
        <source>tOGGLE cASE</source>
        <translation>oMGEKEERD</translation>
    </message>
    <message>
        <source>Specify what to do with underscores and spaces in filenames</source>
        <translation>Geef aan wat er met underscores en spaties in bestandsnamen gebeurt</translation>
    </message>
    <message>
        <source>Spaces &amp; Underscores</source>
        <translation>Spaties &amp; underscores</translation>
    </message>
    <message>
        <source>Replace &quot; &quot; with &quot;_&quot;</source>
        <translation>&quot; &quot; vervangen door &quot;_&quot;</translation>
    </message>
    <message>
        <source>Replace &quot;_&quot; with &quot; &quot;</source>
        <translation>&quot;_&quot; vervangen door &quot; &quot;</translation>
    </message>
    <message>
        <source>Remove &quot;_&quot;</source>
        <translation>&quot;_&quot; verwijderen</translation>
    </message>
    <message>
        <source>Remove &quot; &quot;</source>
        <translation>&quot; &quot; verwijderen</translation>
    </message>
    <message>
        <source>Remove &quot; &quot; And &quot;_&quot;</source>
        <translation>&quot; &quot; en &quot;_&quot; verwijderen</translation>
    </message>
    <message>
        <source>Sequential Number:</source>
        <translation>Volgnummer:</translation>
    </message>
    <message>
        <source>Rename the files with using a number that increments for each file.</source>
        <translation>Hernoemt de bestanden met een nummer dat per bestand met één oploopt.</translation>
    </message>
    <message>
        <source>Start With:</source>
        <translation>Beginnen bij:</translation>
    </message>
    <message>
        <source>The number to start the increments from.</source>
        <translation>Het nummer waarmee de telling begint.</translation>
    </message>
    <message>
        <source>Zero Fill:</source>
        <translation>Voorloopnullen:</translation>
    </message>
    <message>
        <source>Pad (left) the seqeuntial number with zeros. For example the number 22 would become 0022 if this field was set to 4. Set to 0 for no padding.</source>
        <translation>Vult het volgnummer links aan met nullen. Bij de waarde 4 wordt 22 bijvoorbeeld 0022. Kies 0 om niet aan te vullen.</translation>
    </message>
    <message>
        <source>Text Overlay</source>
        <translation>Tekstoverlay</translation>
    </message>
    <message>
        <source>Stamp With Text:</source>
        <translation>Tekst stempelen:</translation>
    </message>
    <message>
        <source>Check to stamp/label the image with the text specified below.</source>
        <translation>Vink aan om de hieronder opgegeven tekst op de afbeelding te stempelen.</translation>
    </message>
    <message>
        <source>The text to put over the image. Right-click to add meta variables.</source>
        <translation>De tekst die over de afbeelding komt. Klik met rechts om metavariabelen toe te voegen.</translation>
    </message>
    <message>
        <source>Insert a meta variable (data about the image) into the text.</source>
        <translation>Voegt een metavariabele (gegevens over de afbeelding) in de tekst in.</translation>
    </message>
    <message>
        <source>The position of the text to overlay</source>
        <translation>De positie van de tekst op de afbeelding</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Linksboven</translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation>Boven</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>Rechtsboven</translation>
    </message>
    <message>
        <source>Middle Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Middle Center</source>
        <translation>Midden</translation>
    </message>
    <message>
        <source>Middle Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Linksonder</translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation>Onder</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Rechtsonder</translation>
    </message>
    <message>
        <source>Click to change the text font and size.</source>
        <translation>Klik om het lettertype en de tekengrootte te wijzigen.</translation>
    </message>
    <message>
        <source>Select the foreground and background text colours.</source>
        <translation>Kies de voorgrond- en achtergrondkleur van de tekst.</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uitvoer</translation>
    </message>
    <message>
        <source>The folder that all processed images will be put in.</source>
        <translation>De map waarin alle verwerkte afbeeldingen terechtkomen.</translation>
    </message>
    <message>
        <source>Click to browse for the output folder.</source>
        <translation>Klik om de uitvoermap te kiezen.</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formaat:</translation>
    </message>
    <message>
        <source>Select the image&apos;s output format. If you want them to remain the same, select &apos;Don&apos;t Change&apos;.</source>
        <translation>Kies het uitvoerformaat van de afbeeldingen. Wilt u het formaat behouden, kies dan &apos;Ongewijzigd&apos;.</translation>
    </message>
    <message>
        <source>Don&apos;t Change</source>
        <translation>Ongewijzigd</translation>
    </message>
    <message>
        <source>The output quality of the JPG and PNG images, from 1 to 100. Default is 75%. If any JPG or PNG  image is processed, this value is used.</source>
        <translation>De uitvoerkwaliteit van de JPG- en PNG-afbeeldingen, van 1 tot 100. Standaard is 75%. Deze waarde geldt voor elke verwerkte JPG- of PNG-afbeelding.</translation>
    </message>
    <message>
        <source>Replicate Subdirectory Stucture</source>
        <translation>Submappen overnemen</translation>
    </message>
    <message>
        <source>If checked, images will be placed in the same sub-directories as the target folder. If they don&apos;t exist they will be created. Otherwise ALL images are places in the above directory.</source>
        <translation>Indien aangevinkt, komen de afbeeldingen in dezelfde submappen als in de bronmap; ontbrekende submappen worden aangemaakt. Anders komen ALLE afbeeldingen in de map hierboven.</translation>
    </message>
    <message>
        <source>Delete Original Images</source>
        <translation>Originelen verwijderen</translation>
    </message>
    <message>
        <source>If checked, images will be processed and the original will be deleted.</source>
        <translation>Indien aangevinkt, worden de afbeeldingen verwerkt en de originelen verwijderd.</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>About VEXL Dovo.</source>
        <translation>Over VEXL Dovo.</translation>
    </message>
    <message>
        <source>www</source>
        <translation>www</translation>
    </message>
    <message>
        <source>Visit the Quillmere website for updates, new software &amp; freeware etc.</source>
        <translation>Bezoek de website van Quillmere voor updates, nieuwe software, freeware enz.</translation>
    </message>
    <message>
        <source>Start &gt;&gt;&gt;</source>
        <translation>Start &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Process the images with the settings specified above.</source>
        <translation>Verwerkt de afbeeldingen met de instellingen hierboven.</translation>
    </message>
    <message>
        <source>Capture Date (YYYY-MM-DD)</source>
        <translation>Opnamedatum (JJJJ-MM-DD)</translation>
    </message>
    <message>
        <source>Capture Time (HH-MM-SS)</source>
        <translation>Opnametijd (UU-MM-SS)</translation>
    </message>
    <message>
        <source>Camera Make and Model</source>
        <translation>Cameramerk en -model</translation>
    </message>
    <message>
        <source>Original Filename</source>
        <translation>Oorspronkelijke bestandsnaam</translation>
    </message>
    <message>
        <source>Only Shrink</source>
        <translation>Alleen verkleinen</translation>
    </message>
    <message>
        <source>Resize only images that are larger than the given size; smaller images keep their size.</source>
        <translation>Alleen afbeeldingen verkleinen die groter zijn dan de opgegeven grootte; kleinere afbeeldingen behouden hun grootte.</translation>
    </message>
    <message>
        <source>Auto-Rotate by Camera Orientation</source>
        <translation>Automatisch draaien volgens camerastand</translation>
    </message>
    <message>
        <source>Turn photos upright as the camera recorded them, before any other operation.</source>
        <translation>Zet foto&apos;s rechtop zoals de camera het heeft vastgelegd, vóór elke andere bewerking.</translation>
    </message>
    <message>
        <source>WEBP</source>
        <translation>WEBP</translation>
    </message>
    <message>
        <source>JPG/PNG/WebP Quality:</source>
        <translation>JPG/PNG/WebP-kwaliteit:</translation>
    </message>
    <message>
        <source>Desktop Widget Style</source>
        <translation>Stijl van het bureaublad</translation>
    </message>
    <message>
        <source>Draw the controls in the desktop&apos;s own widget style instead of the built-in one (after a restart).</source>
        <translation>De bedieningselementen tekenen in de eigen stijl van het bureaublad in plaats van de ingebouwde stijl (na een herstart).</translation>
    </message>
    <message>
        <source>Set Background Colour</source>
        <translation>Achtergrondkleur instellen</translation>
    </message>
    <message>
        <source>Preview Names...</source>
        <translation>Namen vooraf bekijken...</translation>
    </message>
    <message>
        <source>Show the name each ticked image will get, before anything is written.</source>
        <translation>Toont de naam die elke aangevinkte afbeelding krijgt, voordat er iets wordt geschreven.</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... en nog %1</translation>
    </message>
    <message>
        <source>Settings files (*.ini);;All files (*)</source>
        <translation>Instellingenbestanden (*.ini);;Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>frmNamePreview</name>
    <message>
        <source>Name Preview</source>
        <translation>Naamvoorbeeld</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Uitvoermap</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nieuwe naam</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
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
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Uitkomst</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Wat er gebeurde</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwoord</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Uitvoermap openen</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Naar klembord kopiëren</translation>
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
        <translation>Nieuwe map...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>vexl::CFtpClient</name>
    <message>
        <source>The directory listing took too long.</source>
        <translation>Het ophalen van de mapinhoud duurde te lang.</translation>
    </message>
    <message>
        <source>The server ended the upload before the whole file was sent.</source>
        <translation>De server heeft het uploaden beëindigd voordat het hele bestand was verzonden.</translation>
    </message>
    <message>
        <source>The directory listing is too long.</source>
        <translation>De mapinhoud is te lang.</translation>
    </message>
</context>
<context>
    <name>vexl::FtpBatchUpload</name>
    <message>
        <source>The folder &quot;%1&quot; contains a line break or a NUL character, which cannot be sent to an FTP server. Process Stopped.</source>
        <translation>De map &quot;%1&quot; bevat een regeleinde of een NUL-teken, dat niet naar een FTP-server kan worden verzonden. Verwerking gestopt.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains a line break or a NUL character, which cannot be sent to an FTP server. Process Stopped.</source>
        <translation>De bestandsnaam &quot;%1&quot; bevat een regeleinde of een NUL-teken, dat niet naar een FTP-server kan worden verzonden. Verwerking gestopt.</translation>
    </message>
    <message>
        <source>Re-opening the connection failed: %1</source>
        <translation>Het opnieuw openen van de verbinding is mislukt: %1</translation>
    </message>
    <message>
        <source>Removed the incomplete file %1 from the server.</source>
        <translation>Het onvolledige bestand %1 is van de server verwijderd.</translation>
    </message>
    <message>
        <source>Could not remove the incomplete file %1 from the server: %2</source>
        <translation>Het onvolledige bestand %1 kon niet van de server worden verwijderd: %2</translation>
    </message>
</context>
<context>
    <name>vexl::OutputPlanner</name>
    <message>
        <source>and %1 more</source>
        <translation>en nog %1</translation>
    </message>
    <message>
        <source>These images would overwrite another image or its result:</source>
        <translation>Deze afbeeldingen zouden een andere afbeelding of het resultaat ervan overschrijven:</translation>
    </message>
    <message>
        <source>Do you want to skip them and process the others?</source>
        <translation>Wilt u deze overslaan en de andere verwerken?</translation>
    </message>
</context>
<context>
    <name>vexl::frmFTPConnections</name>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must not contain control characters such as line breaks or tabs.</source>
        <translation>Het veld &quot;%1&quot; mag geen besturingstekens zoals regeleinden of tabs bevatten.</translation>
    </message>
    <message>
        <source>The connection name &quot;%1&quot; must not contain &quot;//&quot;.</source>
        <translation>De verbindingsnaam &quot;%1&quot; mag geen &quot;//&quot; bevatten.</translation>
    </message>
</context>
<context>
    <name>vexl::frmMain</name>
    <message>
        <source>%1 entries skipped (unusable names or paths too long)</source>
        <translation>%1 items overgeslagen (onbruikbare namen of te lange paden)</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Instellingen opslaan als...</translation>
    </message>
    <message>
        <source>Load Settings...</source>
        <translation>Instellingen laden...</translation>
    </message>
    <message>
        <source>Recent Presets</source>
        <translation>Recente voorinstellingen</translation>
    </message>
    <message>
        <source>Undo Last Batch...</source>
        <translation>Laatste batch ongedaan maken...</translation>
    </message>
    <message>
        <source>Save Settings As</source>
        <translation>Instellingen opslaan als</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:
%2</source>
        <translation>De instellingen konden niet worden opgeslagen in %1:
%2</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Instellingen laden</translation>
    </message>
    <message>
        <source>The settings could not be loaded:
%1</source>
        <translation>De instellingen konden niet worden geladen:
%1</translation>
    </message>
    <message>
        <source>These values of %1 were refused; their fields keep what they held:</source>
        <translation>Deze waarden uit %1 zijn geweigerd; hun velden houden wat ze bevatten:</translation>
    </message>
    <message>
        <source>Undo Last Batch</source>
        <translation>Laatste batch ongedaan maken</translation>
    </message>
</context>
<context>
    <name>vexl::frmNamePreview</name>
    <message>
        <source>No number left: the run stops here.</source>
        <translation>Geen nummer meer vrij: de verwerking stopt hier.</translation>
    </message>
    <message>
        <source>One file per scene (# is the scene number).</source>
        <translation>Eén bestand per scène (# is het scènenummer).</translation>
    </message>
    <message>
        <source>Values in [ ] are filled in from the result.</source>
        <translation>Waarden tussen [ ] worden uit het resultaat ingevuld.</translation>
    </message>
    <message>
        <source>Numbers skipped (name taken): %1</source>
        <translation>Overgeslagen nummers (naam bezet): %1</translation>
    </message>
    <message>
        <source>Name collision: an earlier image gets %1; this one is skipped if you go on.</source>
        <translation>Naamconflict: een eerdere afbeelding krijgt %1; deze wordt overgeslagen als u doorgaat.</translation>
    </message>
    <message>
        <source>Name collision: %1 is another ticked image; this one is skipped if you go on.</source>
        <translation>Naamconflict: %1 is een andere aangevinkte afbeelding; deze wordt overgeslagen als u doorgaat.</translation>
    </message>
    <message>
        <source>Name collision: %1 is another file; this one is skipped if you go on.</source>
        <translation>Naamconflict: %1 is een ander bestand; deze wordt overgeslagen als u doorgaat.</translation>
    </message>
    <message>
        <source>The settings give no output name: %1</source>
        <translation>De instellingen leveren geen uitvoernaam op: %1</translation>
    </message>
    <message>
        <source>Images: %1, into %2</source>
        <translation>Afbeeldingen: %1, naar %2</translation>
    </message>
    <message>
        <source>Name collisions (the run asks before it starts): %1</source>
        <translation>Naamconflicten (de verwerking vraagt het vóór de start): %1</translation>
    </message>
    <message>
        <source>Numbers skipped because a file has that name: %1</source>
        <translation>Overgeslagen nummers omdat er al een bestand met die naam is: %1</translation>
    </message>
    <message>
        <source>Names completed from the result during the run: %1</source>
        <translation>Namen die tijdens de verwerking uit het resultaat worden aangevuld: %1</translation>
    </message>
</context>
<context>
    <name>vexl::frmRunSummary</name>
    <message>
        <source>No program is set up to open the folder %1.</source>
        <translation>Er is geen programma ingesteld om de map %1 te openen.</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Uitvoermap openen</translation>
    </message>
</context>
</TS>
