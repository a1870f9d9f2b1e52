<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Messages</name>
    <message>
        <source>Output in Same Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output in Different Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure FTP Servers...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the connection to remove from list above!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to remove FTP connection &quot;[NAME]&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must specify a connection name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must specify a server hostname/IP!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only letters (a-z, A-Z), numbers (1-9), periods (.) and hyphons (-) are allowed for server hostname/IP!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must specify a valid port number! Default is 21.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must specify a username if annonymous not selected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection name &quot;[NAME]&quot; already exists! Please select another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No connection for name &quot;[NAME]&quot;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a connection from the list above to test.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Directory Name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter New Directory Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP Connection Error: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP Connection Canceled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP Connection to server &quot;[SERVER]&quot; timed out!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error creating directory: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to parent directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error removing directory: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error renaming directory: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename &quot;[OLDDIRPATH]&quot; To: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the directory:\n\n[DIRECTORY]?\n\nDirectory must be empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The control connection is closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to [SERVER]...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication in progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User has been logged in successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing current directory...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removing directory...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating directory...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renaming file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Establishing data connection...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data connection established</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrieving directory info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory info retrieved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download in progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload in progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP Connection &quot;[NAME]&quot; OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error listing files: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error accessing path &quot;[PATH]&quot;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transferring &quot;[FILE]&quot; to FTP Server...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP Client Busy, Waiting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP Upload Error, Process Stopped: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP Upload Timed Out. Process Stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP Upload Canceled. Process Stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login details not given. Ending process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The FTP connection has closed. Do you want to re-open it and continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Remove Error: Name could not be found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login failed for [NUMATTEMPTS] attempts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username/Password Incorrect. Do you want to retry?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to server (timeout in [TIMEOUT] seconds)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Directory: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error setting directory to path &quot;[PATH]&quot;. Exiting process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error creating directory &quot;[PATH]&quot;. Exiting Process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Preview Disabled)</source>
        <translation>(Aperçu désactivé)</translation>
    </message>
    <message>
        <source>Could not overlay text to on image &quot;[IMAGE]&quot;! Do you want to continue processing images?</source>
        <translation>Impossible d&apos;incruster le texte dans l&apos;image «&#xa0;[IMAGE]&#xa0;»&#xa0;! Voulez-vous continuer le traitement des images&#xa0;?</translation>
    </message>
    <message>
        <source>Could not greyscale image &quot;[IMAGE]&quot; because:</source>
        <translation>Impossible de convertir l&apos;image «&#xa0;[IMAGE]&#xa0;» en niveaux de gris pour la raison suivante&#xa0;:</translation>
    </message>
    <message>
        <source>Could not invert colours of image &quot;[IMAGE]&quot; because:</source>
        <translation>Impossible d&apos;inverser les couleurs de l&apos;image «&#xa0;[IMAGE]&#xa0;» pour la raison suivante&#xa0;:</translation>
    </message>
    <message>
        <source>There is an IMMINENT possibility that output images will overwrite selected images.\nAre you sure you want to continue?\n\nPress &apos;Cancel&apos; to never see this message again, and continue.</source>
        <translation>Il y a un risque IMMINENT que des images de sortie écrasent des images sélectionnées.\nVoulez-vous vraiment continuer&#xa0;?\n\nCliquez sur «&#xa0;Annuler&#xa0;» pour continuer sans plus jamais voir ce message.</translation>
    </message>
    <message>
        <source>There is a MEDIUM possibility that output images will overwrite selected images\n(The only differentiation is the spaces/undercores or extension, which is weak).\nAre you sure you want to continue?\n\nPress &apos;Cancel&apos; to never see this message again, and continue.</source>
        <translation>Il y a un risque MOYEN que des images de sortie écrasent des images sélectionnées\n(elles ne diffèrent que par les espaces/tirets bas ou l&apos;extension, ce qui est peu sûr).\nVoulez-vous vraiment continuer&#xa0;?\n\nCliquez sur «&#xa0;Annuler&#xa0;» pour continuer sans plus jamais voir ce message.</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Scène</translation>
    </message>
    <message>
        <source>Could not retrive information on &quot;[IMAGE]&quot; because:\n[ERROR]\n\nDo you want to continue processing images?</source>
        <translation>Impossible de lire les informations de «&#xa0;[IMAGE]&#xa0;» pour la raison suivante&#xa0;:\n[ERROR]\n\nVoulez-vous continuer le traitement des images&#xa0;?</translation>
    </message>
    <message>
        <source>In Folder: </source>
        <translation>Dans le dossier&#xa0;: </translation>
    </message>
    <message>
        <source>Filename cannot contain the following characters: </source>
        <translation>Un nom de fichier ne peut pas contenir les caractères suivants&#xa0;: </translation>
    </message>
    <message>
        <source>Could not make folder &quot;[FOLDER]&quot;\n\nFolder already exists!</source>
        <translation>Impossible de créer le dossier «&#xa0;[FOLDER]&#xa0;»\n\nLe dossier existe déjà&#xa0;!</translation>
    </message>
    <message>
        <source>Could not make folder &quot;[FOLDER]&quot;\n\n[ERROR]!</source>
        <translation>Impossible de créer le dossier «&#xa0;[FOLDER]&#xa0;»\n\n[ERROR]&#xa0;!</translation>
    </message>
    <message>
        <source>Please close and restart VEXL for this to take effect.\n\nPlease note that this will ONLY work on windows XP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orig. Size:</source>
        <translation>Taille orig.&#xa0;:</translation>
    </message>
    <message>
        <source>Batch Process Images...</source>
        <translation>Traiter des images par lot...</translation>
    </message>
    <message>
        <source>Process Finished!</source>
        <translation>Traitement terminé&#xa0;!</translation>
    </message>
    <message>
        <source>Could not delete file &quot;[IMAGE]&quot; because:</source>
        <translation>Impossible de supprimer le fichier «&#xa0;[IMAGE]&#xa0;» pour la raison suivante&#xa0;:</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;[IMAGE]&quot;</source>
        <translation>Voulez-vous vraiment supprimer «&#xa0;[IMAGE]&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete these [NUM] images?</source>
        <translation>Voulez-vous vraiment supprimer ces [NUM] images&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the checked image?</source>
        <translation>Voulez-vous vraiment supprimer l&apos;image cochée&#xa0;?</translation>
    </message>
    <message>
        <source>Could not flip image &quot;[IMAGE]&quot; because:</source>
        <translation>Impossible de retourner l&apos;image «&#xa0;[IMAGE]&#xa0;» pour la raison suivante&#xa0;:</translation>
    </message>
    <message>
        <source>Could not rotate image &quot;[IMAGE]&quot; because:</source>
        <translation>Impossible de faire pivoter l&apos;image «&#xa0;[IMAGE]&#xa0;» pour la raison suivante&#xa0;:</translation>
    </message>
    <message>
        <source>Cannot Access Location: </source>
        <translation>Emplacement inaccessible&#xa0;: </translation>
    </message>
    <message>
        <source>A value is required in this field!</source>
        <translation>Une valeur est obligatoire dans ce champ&#xa0;!</translation>
    </message>
    <message>
        <source>Only numbers are allowed into this field!</source>
        <translation>Seuls les chiffres sont autorisés dans ce champ&#xa0;!</translation>
    </message>
    <message>
        <source>Number not allowed to be 0!</source>
        <translation>Le nombre ne peut pas être 0&#xa0;!</translation>
    </message>
    <message>
        <source>Error Loading: </source>
        <translation>Erreur de chargement&#xa0;: </translation>
    </message>
    <message>
        <source>Select Output Directory:</source>
        <translation>Choisissez le dossier de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Please Select at least 1 Image to Process!</source>
        <translation>Veuillez sélectionner au moins 1 image à traiter&#xa0;!</translation>
    </message>
    <message>
        <source>Could not bevel image with a width of [WIDTH] pixels\nThe image may be too small for this bevel width.\n\nDo you want to continue processing images?</source>
        <translation>Impossible d&apos;appliquer à l&apos;image un biseau de [WIDTH] pixels de large\nL&apos;image est peut-être trop petite pour cette largeur de biseau.\n\nVoulez-vous continuer le traitement des images&#xa0;?</translation>
    </message>
    <message>
        <source>Could not remove file &quot;[IMAGE]&quot;!\nDo you want to continue processing images?</source>
        <translation>Impossible de supprimer le fichier «&#xa0;[IMAGE]&#xa0;»&#xa0;!\nVoulez-vous continuer le traitement des images&#xa0;?</translation>
    </message>
    <message>
        <source>ImageMagick Encountered and Error When Doing this:\n[CURROP]\nDescription: [ERROR]\nThe file might be Read Only, Hidden or not an Image.\n\nDo you want to continue processing images?</source>
        <translation>ImageMagick a rencontré une erreur pendant cette opération&#xa0;:\n[CURROP]\nDescription&#xa0;: [ERROR]\nLe fichier est peut-être en lecture seule, caché, ou ce n&apos;est pas une image.\n\nVoulez-vous continuer le traitement des images&#xa0;?</translation>
    </message>
    <message>
        <source>Could not copy &quot;[IMAGE1]&quot; to &quot;[IMAGE2]&quot;!\nDo you want to continue processing images?</source>
        <translation>Impossible de copier «&#xa0;[IMAGE1]&#xa0;» vers «&#xa0;[IMAGE2]&#xa0;»&#xa0;!\nVoulez-vous continuer le traitement des images&#xa0;?</translation>
    </message>
    <message>
        <source>Stopping Process...</source>
        <translation>Arrêt du traitement...</translation>
    </message>
    <message>
        <source>Stop Processing Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Process stopping...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due to limitations in this function, styles such as:\n\nBold, Italic, Underline and Strikethru\n\nCannot be applied to images and have been ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* - 0 or more characters (wildcard).\n? - Any single character.\n* - Zero or more characters.\n# - Any single digit (0 to 9).\n[charlist] - Any single character in charlist.\n[!charlist] - Any single character not in charlist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Pattern: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Images By Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De-Select Images By Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current image is about to be resized to over 6 megapixels ([DIMENSIONS]). This may cause the program to freeze as it is a very large image to process.\nYou might be resizing as a percentage accidently.\n\nPress yes to continue resizing. You will not see this warning again.\nPress no to skip image.\nPress cancel to end process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error removing old image:\n[IMAGE]\n[ERROR]\n\nDo you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error creating directory:\n[DIR]\n\nDo you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Process Aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processing Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have selected to delete orignal images. These images can not be recovered.\nAre you sure you want to continue?\n\nPress &apos;Cancel&apos; to never see this message again, and continue.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>General Info</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version&#xa0;:</translation>
    </message>
    <message>
        <source>Date Written:</source>
        <translation>Date de création&#xa0;:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web&#xa0;:</translation>
    </message>
    <message>
        <source>Powered By:</source>
        <translation>Basé sur&#xa0;:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description&#xa0;:</translation>
    </message>
    <message>
        <source>Terms and Conditions</source>
        <translation>Conditions d&apos;utilisation</translation>
    </message>
    <message>
        <source>Imagemagick License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Donation...</source>
        <translation>Faire un don...</translation>
    </message>
    <message>
        <source>Submit Feedback</source>
        <translation>Envoyer un avis</translation>
    </message>
    <message>
        <source>Submit feedback/review of VEXL online.</source>
        <translation>Envoyez en ligne votre avis ou votre critique de VEXL.</translation>
    </message>
    <message>
        <source>Report Bug/Error</source>
        <translation>Signaler une erreur</translation>
    </message>
    <message>
        <source>Got an error? I want to know about it! Report it online here.</source>
        <translation>Une erreur&#xa0;? Je veux la connaître&#xa0;! Signalez-la ici en ligne.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmError</name>
    <message>
        <source>An Error Has Occured!</source>
        <translation>Une erreur s&apos;est produite&#xa0;!</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>N°&#xa0;:</translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Description&#xa0;: </translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Détails&#xa0;:</translation>
    </message>
    <message>
        <source>Send Error Infomation to Bug Reporter</source>
        <translation>Envoyer le rapport d&apos;erreur au développeur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFTPConnections</name>
    <message>
        <source>Configure FTP Connections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a connection name in above list and click this button to remove it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test the connection by connecting to it with details given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a unique and desciptive name for the FTP connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Hostname/IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hostname or the IP address of the FTP server to upload images to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port number of the FTP server to upload images to. Default is 21.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Passive Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to use passive mode (PASV) rather than active mode (PORT).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout (Seconds):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the server doesn&apos;t respond within the specified time, connection is canceled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path of the directory on the FTP server to upload images into. This can be changed when selecting the connection as the output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annonymous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check if connection is for an annonymous server (i.e. no username or password).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The username to use when logging onto the FTP server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to allow the password to be stored for connection. Means the username/password won&apos;t be asked for when connecting to FTP server. Passwords are stored using encryption.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password to use when logging onto the FTP server. If not specified, password will be asked on each connection attempt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save/Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save selected connection or add new connection to list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFTPLogin</name>
    <message>
        <source>Server Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remember Username &amp;&amp; Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check if you want the above username and password to be stored for this connection. This will mean you wont have to enter login details again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to login to server using username/password above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to cancel connection to server.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFTPSelectOutputDir</name>
    <message>
        <source>Select FTP Output Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Directory...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to create a new directory in above directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to select output directory and return to main screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to cancel selection of directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create New Directory...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFTPTest</name>
    <message>
        <source>Test FTP Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel connection test/close window.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmGo</name>
    <message>
        <source>Processing Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Image&#xa0;:</translation>
    </message>
    <message>
        <source>Scene:</source>
        <translation>Scène&#xa0;:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État&#xa0;:</translation>
    </message>
    <message>
        <source>FTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Processing Images</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>VEXL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Image</source>
        <translation>Faire pivoter l&apos;image</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>De-Select</source>
        <translation>Désélectionner</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Animated to Non-Animated</source>
        <translation>Animée vers fixe</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>FTP Connections...</source>
        <translation>Connexions FTP...</translation>
    </message>
    <message>
        <source>Visit Quillmere...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get VEXL Professional...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Donation...</source>
        <translation>Faire un don...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Ouvrir l&apos;image</translation>
    </message>
    <message>
        <source>Flip Image Horizontally</source>
        <translation>Retourner l&apos;image horizontalement</translation>
    </message>
    <message>
        <source>Flip Image Vertically</source>
        <translation>Retourner l&apos;image verticalement</translation>
    </message>
    <message>
        <source>Invert Image Colours</source>
        <translation>Inverser les couleurs de l&apos;image</translation>
    </message>
    <message>
        <source>Greyscale Image</source>
        <translation>Convertir en niveaux de gris</translation>
    </message>
    <message>
        <source>90°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>180°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>270°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Image</source>
        <translation>Supprimer l&apos;image</translation>
    </message>
    <message>
        <source>Delete Checked Images</source>
        <translation>Supprimer les images cochées</translation>
    </message>
    <message>
        <source>Recurse Subdirectories</source>
        <translation>Inclure les sous-dossiers</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>BMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TGA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That Match Pattern...</source>
        <translation>Selon un motif...</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Inverser la sélection</translation>
    </message>
    <message>
        <source>Preview Images</source>
        <translation>Aperçu des images</translation>
    </message>
    <message>
        <source>Tooltips</source>
        <translation>Infobulles</translation>
    </message>
    <message>
        <source>XP Style (WinXP Only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Explorer Context Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract 1st Scene</source>
        <translation>Extraire la 1re scène</translation>
    </message>
    <message>
        <source>Extract All Scenes (Append Scene Number)</source>
        <translation>Extraire toutes les scènes (ajouter le numéro de scène)</translation>
    </message>
    <message>
        <source>English (Default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Español</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Français</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italiano (Waiting on translation)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nederlands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grey (Default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mozilla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beige</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue Grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All Settings</source>
        <translation>Réinitialiser tous les paramètres</translation>
    </message>
    <message>
        <source>Image Width</source>
        <translation>Largeur de l&apos;image</translation>
    </message>
    <message>
        <source>Image Height</source>
        <translation>Hauteur de l&apos;image</translation>
    </message>
    <message>
        <source>Number of Megapixels</source>
        <translation>Nombre de mégapixels</translation>
    </message>
    <message>
        <source>Number of Unique Colours</source>
        <translation>Nombre de couleurs distinctes</translation>
    </message>
    <message>
        <source>Filename (without extension)</source>
        <translation>Nom du fichier (sans extension)</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translation>Extension du fichier</translation>
    </message>
    <message>
        <source>File Size (with units)</source>
        <translation>Taille du fichier (avec unité)</translation>
    </message>
    <message>
        <source>Sequential Number</source>
        <translation>Numéro séquentiel</translation>
    </message>
    <message>
        <source>Number of Selected Images</source>
        <translation>Nombre d&apos;images sélectionnées</translation>
    </message>
    <message>
        <source>Set Foreground (Text) Colour...</source>
        <translation>Couleur de premier plan (texte)...</translation>
    </message>
    <message>
        <source>To Colour...</source>
        <translation>Choisir une couleur...</translation>
    </message>
    <message>
        <source>To Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>List of images to process. Un-check any images you don&apos;t want to process. Double-click to open the image.</source>
        <translation>Liste des images à traiter. Décochez celles que vous ne voulez pas traiter. Double-cliquez pour ouvrir l&apos;image.</translation>
    </message>
    <message>
        <source>Loading List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick every image.</source>
        <translation>Coche toutes les images.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Untick every image.</source>
        <translation>Décoche toutes les images.</translation>
    </message>
    <message>
        <source>View Picture</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>What the selected image on the left looks like.</source>
        <translation>L&apos;aspect de l&apos;image sélectionnée à gauche.</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The method in which to resize the images.</source>
        <translation>La façon de redimensionner les images.</translation>
    </message>
    <message>
        <source>Don&apos;t Resize</source>
        <translation>Taille inchangée</translation>
    </message>
    <message>
        <source>Restrict Width &amp; Height</source>
        <translation>Limiter la taille</translation>
    </message>
    <message>
        <source>Restrict Width</source>
        <translation>Limiter la largeur</translation>
    </message>
    <message>
        <source>Restrict Height</source>
        <translation>Limiter la hauteur</translation>
    </message>
    <message>
        <source>Fix to Size</source>
        <translation>Taille fixe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>The width of the output image.</source>
        <translation>La largeur de l&apos;image de sortie.</translation>
    </message>
    <message>
        <source>x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The height of the output image.</source>
        <translation>La hauteur de l&apos;image de sortie.</translation>
    </message>
    <message>
        <source>Check to resize the image to dimensions that are proportional to the image&apos;s original size.</source>
        <translation>Cochez pour exprimer les dimensions en pourcentage de la taille d&apos;origine de l&apos;image.</translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Antialias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antialias the image.</source>
        <translation>Lisse les contours de l&apos;image (anticrénelage).</translation>
    </message>
    <message>
        <source>Bevel</source>
        <translation>Biseau</translation>
    </message>
    <message>
        <source>Apply the bevel effect to the image.</source>
        <translation>Applique l&apos;effet de biseau à l&apos;image.</translation>
    </message>
    <message>
        <source>The width of the bevel in pixels.</source>
        <translation>La largeur du biseau en pixels.</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Pivoter</translation>
    </message>
    <message>
        <source>Rotate the image clockwise (1 to 359 degrees).</source>
        <translation>Fait pivoter l&apos;image dans le sens horaire (de 1 à 359 degrés).</translation>
    </message>
    <message>
        <source>The degrees in which to rotate the image clockwise.</source>
        <translation>L&apos;angle en degrés de la rotation de l&apos;image dans le sens horaire.</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Miroir horizontal</translation>
    </message>
    <message>
        <source>Reflect the image in the horizontal direction (left becomes right, right becomes left).</source>
        <translation>Reflète l&apos;image dans le sens horizontal (la gauche devient la droite, la droite devient la gauche).</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Miroir vertical</translation>
    </message>
    <message>
        <source>Reflect the image in the vertical direction (top becomes bottom, bottom becomes top).</source>
        <translation>Reflète l&apos;image dans le sens vertical (le haut devient le bas, le bas devient le haut).</translation>
    </message>
    <message>
        <source>Invert Colours</source>
        <translation>Inverser les couleurs</translation>
    </message>
    <message>
        <source>Inverts the colours of the image (black becomes white, etc.).</source>
        <translation>Inverse les couleurs de l&apos;image (le noir devient blanc, etc.).</translation>
    </message>
    <message>
        <source>Greyscale</source>
        <translation>Niveaux de gris</translation>
    </message>
    <message>
        <source>Convert the image to shades of grey (no colour).</source>
        <translation>Convertit l&apos;image en niveaux de gris (sans couleur).</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Préfixe&#xa0;:</translation>
    </message>
    <message>
        <source>Text to put at the start of the filename.</source>
        <translation>Texte à placer au début du nom de fichier.</translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a meta variable (data about the image) into the prefix.</source>
        <translation>Insère une méta-variable (donnée sur l&apos;image) dans le préfixe.</translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation>Suffixe&#xa0;:</translation>
    </message>
    <message>
        <source>Text to put at the end of the filename.</source>
        <translation>Texte à placer à la fin du nom de fichier.</translation>
    </message>
    <message>
        <source>Insert a meta variable (data about the image) into the suffix.</source>
        <translation>Insère une méta-variable (donnée sur l&apos;image) dans le suffixe.</translation>
    </message>
    <message>
        <source>Select how you want to change the case of the filenames.</source>
        <translation>Choisissez comment modifier la casse des noms de fichiers.</translation>
    </message>
    <message>
        <source>UncHanGEd cAse</source>
        <translation>CaSsE iNcHaNgÉe</translation>
    </message>
    <message>
        <source>to lower-case</source>
        <translation>en minuscules</translation>
    </message>
    <message>
        <source>TO UPPER-CASE</source>
        <translation>EN MAJUSCULES</translation>
    </message>
    <message>
        <source>First letter case</source>
        <translation>Majuscule initiale</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Casse De Titre</translation>
    </message>
    <message>
        <source>tOGGLE cASE</source>
        <translation>cASSE iNVERSÉE</translation>
    </message>
    <message>
        <source>Specify what to do with underscores and spaces in filenames</source>
        <translation>Indiquez que faire des tirets bas et des espaces dans les noms de fichiers</translation>
    </message>
    <message>
        <source>Spaces &amp; Underscores</source>
        <translation>Espaces et tirets bas</translation>
    </message>
    <message>
        <source>Replace &quot; &quot; with &quot;_&quot;</source>
        <translation>Remplacer &quot; &quot; par &quot;_&quot;</translation>
    </message>
    <message>
        <source>Replace &quot;_&quot; with &quot; &quot;</source>
        <translation>Remplacer &quot;_&quot; par &quot; &quot;</translation>
    </message>
    <message>
        <source>Remove &quot;_&quot;</source>
        <translation>Supprimer &quot;_&quot;</translation>
    </message>
    <message>
        <source>Remove &quot; &quot;</source>
        <translation>Supprimer &quot; &quot;</translation>
    </message>
    <message>
        <source>Remove &quot; &quot; And &quot;_&quot;</source>
        <translation>Supprimer &quot; &quot; et &quot;_&quot;</translation>
    </message>
    <message>
        <source>Sequential Number:</source>
        <translation>Numéro séquentiel&#xa0;:</translation>
    </message>
    <message>
        <source>Rename the files with using a number that increments for each file.</source>
        <translation>Renomme les fichiers avec un numéro qui augmente à chaque fichier.</translation>
    </message>
    <message>
        <source>Start With:</source>
        <translation>Commencer à&#xa0;:</translation>
    </message>
    <message>
        <source>The number to start the increments from.</source>
        <translation>Le numéro de départ de la numérotation.</translation>
    </message>
    <message>
        <source>Zero Fill:</source>
        <translation>Zéros à gauche&#xa0;:</translation>
    </message>
    <message>
        <source>Pad (left) the seqeuntial number with zeros. For example the number 22 would become 0022 if this field was set to 4. Set to 0 for no padding.</source>
        <translation>Complète le numéro séquentiel par des zéros à gauche. Par exemple, le nombre 22 devient 0022 si ce champ vaut 4. Mettez 0 pour ne rien compléter.</translation>
    </message>
    <message>
        <source>Text Overlay</source>
        <translation>Texte incrusté</translation>
    </message>
    <message>
        <source>Stamp With Text:</source>
        <translation>Incruster le texte&#xa0;:</translation>
    </message>
    <message>
        <source>Check to stamp/label the image with the text specified below.</source>
        <translation>Cochez pour incruster dans l&apos;image le texte indiqué ci-dessous.</translation>
    </message>
    <message>
        <source>The text to put over the image. Right-click to add meta variables.</source>
        <translation>Le texte à placer sur l&apos;image. Clic droit pour ajouter des méta-variables.</translation>
    </message>
    <message>
        <source>Insert a meta variable (data about the image) into the text.</source>
        <translation>Insère une méta-variable (donnée sur l&apos;image) dans le texte.</translation>
    </message>
    <message>
        <source>The position of the text to overlay</source>
        <translation>La position du texte incrusté</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Haut gauche</translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation>Haut centre</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>Haut droite</translation>
    </message>
    <message>
        <source>Middle Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Middle Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Middle Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Bas gauche</translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation>Bas centre</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Bas droite</translation>
    </message>
    <message>
        <source>Click to change the text font and size.</source>
        <translation>Cliquez pour changer la police et la taille du texte.</translation>
    </message>
    <message>
        <source>Select the foreground and background text colours.</source>
        <translation>Choisissez les couleurs de premier plan et d&apos;arrière-plan du texte.</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>The folder that all processed images will be put in.</source>
        <translation>Le dossier où seront placées toutes les images traitées.</translation>
    </message>
    <message>
        <source>Click to browse for the output folder.</source>
        <translation>Cliquez pour choisir le dossier de sortie.</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the image&apos;s output format. If you want them to remain the same, select &apos;Don&apos;t Change&apos;.</source>
        <translation>Choisissez le format de sortie des images. Pour garder le format actuel, choisissez «&#xa0;Inchangé&#xa0;».</translation>
    </message>
    <message>
        <source>Don&apos;t Change</source>
        <translation>Inchangé</translation>
    </message>
    <message>
        <source>JPG/PNG Quality:</source>
        <translation>Qualité JPG/PNG&#xa0;:</translation>
    </message>
    <message>
        <source>The output quality of the JPG and PNG images, from 1 to 100. Default is 75%. If any JPG or PNG  image is processed, this value is used.</source>
        <translation>La qualité de sortie des images JPG et PNG, de 1 à 100. La valeur par défaut est 75&#xa0;%. Elle s&apos;applique à toute image JPG ou PNG traitée.</translation>
    </message>
    <message>
        <source>Replicate Subdirectory Stucture</source>
        <translation>Reproduire les sous-dossiers</translation>
    </message>
    <message>
        <source>If checked, images will be placed in the same sub-directories as the target folder. If they don&apos;t exist they will be created. Otherwise ALL images are places in the above directory.</source>
        <translation>Si coché, les images sont placées dans les mêmes sous-dossiers que dans le dossier d&apos;origine&#xa0;; ceux qui n&apos;existent pas sont créés. Sinon, TOUTES les images vont dans le dossier ci-dessus.</translation>
    </message>
    <message>
        <source>Delete Original Images</source>
        <translation>Supprimer les originaux</translation>
    </message>
    <message>
        <source>If checked, images will be processed and the original will be deleted.</source>
        <translation>Si coché, les images sont traitées et les originaux supprimés.</translation>
    </message>
    <message>
        <source>?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About VEXL Dovo.</source>
        <translation>À propos de VEXL Dovo.</translation>
    </message>
    <message>
        <source>www</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the Quillmere website for updates, new software &amp; freeware etc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start &gt;&gt;&gt;</source>
        <translation>Lancer &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Process the images with the settings specified above.</source>
        <translation>Traite les images avec les paramètres indiqués ci-dessus.</translation>
    </message>
</context>
<context>
    <name>frmSelectOutputDir</name>
    <message>
        <source>Make New Folder...</source>
        <translation>Nouveau dossier...</translation>
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
    <name>vexl::frmError</name>
    <message>
        <source>Description: </source>
        <translation>Description&#xa0;: </translation>
    </message>
</context>
<context>
    <name>vexl::frmMain</name>
    <message>
        <source>Set Background Colour</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
