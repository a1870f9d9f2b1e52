<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BatchRun</name>
    <message>
        <source>Overflow (count): at most 32767 images can be processed in one run</source>
        <translation>Dépassement (nombre) : au plus 32767 images peuvent être traitées en une seule exécution</translation>
    </message>
    <message>
        <source>No result was published.</source>
        <translation>Aucun résultat n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Stopped: %1 images were not processed.</source>
        <translation>Arrêté : %1 images n&apos;ont pas été traitées.</translation>
    </message>
    <message>
        <source>%1 images were not processed.</source>
        <translation>%1 images n&apos;ont pas été traitées.</translation>
    </message>
    <message>
        <source>Skipped %1: its result would overwrite another image or its result.</source>
        <translation>%1 ignorée : son résultat écraserait une autre image ou son résultat.</translation>
    </message>
    <message>
        <source>No image was written.</source>
        <translation>Aucune image n&apos;a été écrite.</translation>
    </message>
    <message>
        <source>%1 was replaced for good (no trash could take it: %2).</source>
        <translation>%1 a été remplacé définitivement (aucune corbeille n&apos;a pu le recevoir : %2).</translation>
    </message>
    <message>
        <source>The name is taken by another image of this run or by its result.</source>
        <translation>Le nom est déjà pris par une autre image de ce traitement ou par son résultat.</translation>
    </message>
    <message>
        <source>%1 was deleted for good (no trash could take it: %2).</source>
        <translation>%1 a été supprimé définitivement (aucune corbeille n&apos;a pu le recevoir : %2).</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Output in Same Folder</source>
        <translation>Sortie dans le même dossier</translation>
    </message>
    <message>
        <source>Output in Different Folder</source>
        <translation>Sortie dans un autre dossier</translation>
    </message>
    <message>
        <source>Configure FTP Servers...</source>
        <translation>Configurer les serveurs FTP...</translation>
    </message>
    <message>
        <source>Please select the connection to remove from list above!</source>
        <translation>Veuillez sélectionner dans la liste ci-dessus la connexion à supprimer&#xa0;!</translation>
    </message>
    <message>
        <source>Are you sure you want to remove FTP connection &quot;[NAME]&quot;?</source>
        <translation>Voulez-vous vraiment supprimer la connexion FTP «&#xa0;[NAME]&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>You must specify a connection name!</source>
        <translation>Vous devez indiquer un nom de connexion&#xa0;!</translation>
    </message>
    <message>
        <source>You must specify a server hostname/IP!</source>
        <translation>Vous devez indiquer le nom d&apos;hôte ou l&apos;adresse IP du serveur&#xa0;!</translation>
    </message>
    <message>
        <source>Only letters (a-z, A-Z), numbers (1-9), periods (.) and hyphons (-) are allowed for server hostname/IP!</source>
        <translation>Le nom d&apos;hôte ou l&apos;adresse IP du serveur ne peut contenir que des lettres (a-z, A-Z), des chiffres (0-9), des points (.) et des tirets (-)&#xa0;!</translation>
    </message>
    <message>
        <source>You must specify a valid port number! Default is 21.</source>
        <translation>Vous devez indiquer un numéro de port valide&#xa0;! La valeur par défaut est 21.</translation>
    </message>
    <message>
        <source>You must specify a username if annonymous not selected!</source>
        <translation>Vous devez indiquer un identifiant si «&#xa0;Anonyme&#xa0;» n&apos;est pas coché&#xa0;!</translation>
    </message>
    <message>
        <source>Connection name &quot;[NAME]&quot; already exists! Please select another name.</source>
        <translation>Le nom de connexion «&#xa0;[NAME]&#xa0;» existe déjà&#xa0;! Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>No connection for name &quot;[NAME]&quot;!</source>
        <translation>Aucune connexion ne porte le nom «&#xa0;[NAME]&#xa0;»&#xa0;!</translation>
    </message>
    <message>
        <source>Please select a connection from the list above to test.</source>
        <translation>Veuillez sélectionner dans la liste ci-dessus une connexion à tester.</translation>
    </message>
    <message>
        <source>New Directory Name: </source>
        <translation>Nom du nouveau dossier&#xa0;: </translation>
    </message>
    <message>
        <source>Enter New Directory Name</source>
        <translation>Nom du nouveau dossier</translation>
    </message>
    <message>
        <source>New Directory</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Dernière modification</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Droits d&apos;accès</translation>
    </message>
    <message>
        <source>FTP Connection Error: </source>
        <translation>Erreur de connexion FTP&#xa0;: </translation>
    </message>
    <message>
        <source>FTP Connection Canceled.</source>
        <translation>Connexion FTP annulée.</translation>
    </message>
    <message>
        <source>FTP Connection to server &quot;[SERVER]&quot; timed out!</source>
        <translation>Le délai de connexion FTP au serveur «&#xa0;[SERVER]&#xa0;» est dépassé&#xa0;!</translation>
    </message>
    <message>
        <source>Error creating directory: </source>
        <translation>Erreur lors de la création du dossier&#xa0;: </translation>
    </message>
    <message>
        <source>Go to parent directory</source>
        <translation>Aller au dossier parent</translation>
    </message>
    <message>
        <source>Error removing directory: </source>
        <translation>Erreur lors de la suppression du dossier&#xa0;: </translation>
    </message>
    <message>
        <source>Error renaming directory: </source>
        <translation>Erreur lors du renommage du dossier&#xa0;: </translation>
    </message>
    <message>
        <source>Rename &quot;[OLDDIRPATH]&quot; To: </source>
        <translation>Renommer «&#xa0;[OLDDIRPATH]&#xa0;» en&#xa0;: </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the directory:\n\n[DIRECTORY]?\n\nDirectory must be empty.</source>
        <translation>Voulez-vous vraiment supprimer le dossier&#xa0;:\n\n[DIRECTORY]&#xa0;?\n\nLe dossier doit être vide.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>The control connection is closed</source>
        <translation>La connexion de contrôle est fermée</translation>
    </message>
    <message>
        <source>Connecting to [SERVER]...</source>
        <translation>Connexion à [SERVER]...</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Authentication in progress...</source>
        <translation>Authentification en cours...</translation>
    </message>
    <message>
        <source>User has been logged in successfully</source>
        <translation>Utilisateur connecté avec succès</translation>
    </message>
    <message>
        <source>Changing current directory...</source>
        <translation>Changement du dossier courant...</translation>
    </message>
    <message>
        <source>Deleting file...</source>
        <translation>Suppression du fichier...</translation>
    </message>
    <message>
        <source>Removing directory...</source>
        <translation>Suppression du dossier...</translation>
    </message>
    <message>
        <source>Creating directory...</source>
        <translation>Création du dossier...</translation>
    </message>
    <message>
        <source>Renaming file...</source>
        <translation>Renommage du fichier...</translation>
    </message>
    <message>
        <source>Establishing data connection...</source>
        <translation>Établissement de la connexion de données...</translation>
    </message>
    <message>
        <source>Data connection established</source>
        <translation>Connexion de données établie</translation>
    </message>
    <message>
        <source>Retrieving directory info...</source>
        <translation>Lecture du contenu du dossier...</translation>
    </message>
    <message>
        <source>Directory info retrieved</source>
        <translation>Contenu du dossier lu</translation>
    </message>
    <message>
        <source>Download in progress...</source>
        <translation>Téléchargement en cours...</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>Upload in progress...</source>
        <translation>Envoi en cours...</translation>
    </message>
    <message>
        <source>Upload complete</source>
        <translation>Envoi terminé</translation>
    </message>
    <message>
        <source>FTP Connection &quot;[NAME]&quot; OK.</source>
        <translation>La connexion FTP «&#xa0;[NAME]&#xa0;» fonctionne.</translation>
    </message>
    <message>
        <source>Error listing files: </source>
        <translation>Erreur lors du listage des fichiers&#xa0;: </translation>
    </message>
    <message>
        <source>Error accessing path &quot;[PATH]&quot;!</source>
        <translation>Erreur d&apos;accès au chemin «&#xa0;[PATH]&#xa0;»&#xa0;!</translation>
    </message>
    <message>
        <source>Transferring &quot;[FILE]&quot; to FTP Server...</source>
        <translation>Transfert de «&#xa0;[FILE]&#xa0;» vers le serveur FTP...</translation>
    </message>
    <message>
        <source>FTP Client Busy, Waiting...</source>
        <translation>Client FTP occupé, en attente...</translation>
    </message>
    <message>
        <source>FTP Upload Error, Process Stopped: </source>
        <translation>Erreur d&apos;envoi FTP, traitement arrêté&#xa0;: </translation>
    </message>
    <message>
        <source>FTP Upload Timed Out. Process Stopped.</source>
        <translation>Délai d&apos;envoi FTP dépassé. Traitement arrêté.</translation>
    </message>
    <message>
        <source>FTP Upload Canceled. Process Stopped.</source>
        <translation>Envoi FTP annulé. Traitement arrêté.</translation>
    </message>
    <message>
        <source>Login details not given. Ending process.</source>
        <translation>Identifiants non fournis. Fin du traitement.</translation>
    </message>
    <message>
        <source>The FTP connection has closed. Do you want to re-open it and continue?</source>
        <translation>La connexion FTP a été fermée. Voulez-vous la rouvrir et continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Connection Remove Error: Name could not be found!</source>
        <translation>Erreur de suppression de la connexion&#xa0;: nom introuvable&#xa0;!</translation>
    </message>
    <message>
        <source>Login failed for [NUMATTEMPTS] attempts.</source>
        <translation>Échec de la connexion après [NUMATTEMPTS] tentatives.</translation>
    </message>
    <message>
        <source>Username/Password Incorrect. Do you want to retry?</source>
        <translation>Identifiant ou mot de passe incorrect. Voulez-vous réessayer&#xa0;?</translation>
    </message>
    <message>
        <source>Connecting to server (timeout in [TIMEOUT] seconds)...</source>
        <translation>Connexion au serveur (délai d&apos;attente&#xa0;: [TIMEOUT] secondes)...</translation>
    </message>
    <message>
        <source>Current Directory: </source>
        <translation>Dossier courant&#xa0;: </translation>
    </message>
    <message>
        <source>Error setting directory to path &quot;[PATH]&quot;. Exiting process.</source>
        <translation>Erreur lors du passage au dossier «&#xa0;[PATH]&#xa0;». Fin du traitement.</translation>
    </message>
    <message>
        <source>Error creating directory &quot;[PATH]&quot;. Exiting Process.</source>
        <translation>Erreur lors de la création du dossier «&#xa0;[PATH]&#xa0;». Fin du traitement.</translation>
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
        <translation>Arrêter le traitement</translation>
    </message>
    <message>
        <source>Process stopping...</source>
        <translation>Traitement en cours d&apos;arrêt...</translation>
    </message>
    <message>
        <source>Due to limitations in this function, styles such as:\n\nBold, Italic, Underline and Strikethru\n\nCannot be applied to images and have been ignored.</source>
        <translation>En raison des limites de cette fonction, les styles tels que&#xa0;:\n\nGras, Italique, Souligné et Barré\n\nne peuvent pas être appliqués aux images et ont été ignorés.</translation>
    </message>
    <message>
        <source>* - 0 or more characters (wildcard).\n? - Any single character.\n* - Zero or more characters.\n# - Any single digit (0 to 9).\n[charlist] - Any single character in charlist.\n[!charlist] - Any single character not in charlist.</source>
        <translation>* - 0 caractère ou plus (joker).\n? - Un caractère quelconque.\n* - Zéro caractère ou plus.\n# - Un chiffre quelconque (de 0 à 9).\n[liste] - Un caractère quelconque de la liste.\n[!liste] - Un caractère quelconque absent de la liste.</translation>
    </message>
    <message>
        <source>Enter Pattern: </source>
        <translation>Saisissez le motif&#xa0;: </translation>
    </message>
    <message>
        <source>Select Images By Pattern</source>
        <translation>Sélectionner des images selon un motif</translation>
    </message>
    <message>
        <source>De-Select Images By Pattern</source>
        <translation>Désélectionner des images selon un motif</translation>
    </message>
    <message>
        <source>The current image is about to be resized to over 6 megapixels ([DIMENSIONS]). This may cause the program to freeze as it is a very large image to process.\nYou might be resizing as a percentage accidently.\n\nPress yes to continue resizing. You will not see this warning again.\nPress no to skip image.\nPress cancel to end process.</source>
        <translation>L&apos;image actuelle va être redimensionnée à plus de 6 mégapixels ([DIMENSIONS]). Le programme risque de se figer, car c&apos;est une très grande image à traiter.\nVous redimensionnez peut-être en pourcentage par erreur.\n\nCliquez sur «&#xa0;Oui&#xa0;» pour poursuivre le redimensionnement. Cet avertissement ne s&apos;affichera plus.\nCliquez sur «&#xa0;Non&#xa0;» pour ignorer l&apos;image.\nCliquez sur «&#xa0;Annuler&#xa0;» pour arrêter le traitement.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Error removing old image:\n[IMAGE]\n[ERROR]\n\nDo you want to continue?</source>
        <translation>Erreur lors de la suppression de l&apos;ancienne image&#xa0;:\n[IMAGE]\n[ERROR]\n\nVoulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Error creating directory:\n[DIR]\n\nDo you want to continue?</source>
        <translation>Erreur lors de la création du dossier&#xa0;:\n[DIR]\n\nVoulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Process Aborted.</source>
        <translation>Traitement interrompu.</translation>
    </message>
    <message>
        <source>Processing Images</source>
        <translation>Traitement des images</translation>
    </message>
    <message>
        <source>You have selected to delete orignal images. These images can not be recovered.\nAre you sure you want to continue?\n\nPress &apos;Cancel&apos; to never see this message again, and continue.</source>
        <translation>Vous avez choisi de supprimer les images originales. Ces images ne pourront pas être récupérées.\nVoulez-vous vraiment continuer&#xa0;?\n\nCliquez sur «&#xa0;Annuler&#xa0;» pour continuer sans plus jamais voir ce message.</translation>
    </message>
    <message>
        <source>Please close and restart VEXL for this to take effect.\n\nWhen ticked, the controls are drawn in the desktop&apos;s own widget style; otherwise in the built-in style.</source>
        <translation>Veuillez fermer et redémarrer VEXL pour que ce changement prenne effet.\n\nSi la case est cochée, les contrôles sont dessinés dans le style propre au bureau ; sinon dans le style intégré.</translation>
    </message>
    <message>
        <source>No program is set up to open images, so &quot;[FILE]&quot; could not be opened.\n\nChoose an image viewer in your desktop&apos;s default applications settings, then try again.</source>
        <translation>Aucun programme n&apos;est configuré pour ouvrir les images, « [FILE] » n&apos;a donc pas pu être ouvert.\n\nChoisissez une visionneuse d&apos;images dans les applications par défaut de votre bureau, puis réessayez.</translation>
    </message>
    <message>
        <source>No program is set up to open web pages, so &quot;[URL]&quot; could not be opened.\n\nChoose a web browser in your desktop&apos;s default applications settings, then try again.</source>
        <translation>Aucun programme n&apos;est configuré pour ouvrir les pages web, « [URL] » n&apos;a donc pas pu être ouvert.\n\nChoisissez un navigateur web dans les applications par défaut de votre bureau, puis réessayez.</translation>
    </message>
    <message>
        <source>Image workers run unconfined: this kernel offers no Landlock, so a hostile image could reach your files.</source>
        <translation>Les processus d&apos;image s&apos;exécutent sans confinement : ce noyau n&apos;offre pas Landlock, une image malveillante pourrait donc atteindre vos fichiers.</translation>
    </message>
    <message>
        <source>Image workers are confined to the run&apos;s folders, but this kernel&apos;s Landlock (ABI [ABI]) cannot keep them off the network.</source>
        <translation>Les processus d&apos;image sont confinés aux dossiers du traitement, mais le Landlock de ce noyau (ABI [ABI]) ne peut pas leur interdire le réseau.</translation>
    </message>
    <message>
        <source>Image workers run unconfined: VEXL_NO_SANDBOX is set.</source>
        <translation>Les processus d&apos;image s&apos;exécutent sans confinement : VEXL_NO_SANDBOX est défini.</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Done: %1</source>
        <translation>Terminées : %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Ignorées : %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échouées : %1</translation>
    </message>
    <message>
        <source>Deleted to trash: %1</source>
        <translation>Mises à la corbeille : %1</translation>
    </message>
    <message>
        <source>Uploaded: %1</source>
        <translation>Envoyées : %1</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorée</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>Non traitées</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Réponse : %1</translation>
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
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>no trash can take this file</source>
        <translation>aucune corbeille ne peut recevoir ce fichier</translation>
    </message>
</context>
<context>
    <name>UndoBatch</name>
    <message>
        <source>Undo Last Batch</source>
        <translation>Annuler le dernier lot</translation>
    </message>
    <message>
        <source>There is no batch to undo.</source>
        <translation>Il n&apos;y a aucun lot à annuler.</translation>
    </message>
    <message>
        <source>Undo the last batch? This will:</source>
        <translation>Annuler le dernier lot ? Cela va :</translation>
    </message>
    <message>
        <source>The last batch was undone.</source>
        <translation>Le dernier lot a été annulé.</translation>
    </message>
    <message>
        <source>The last batch was undone, except what is listed as kept.</source>
        <translation>Le dernier lot a été annulé, sauf ce qui est indiqué comme conservé.</translation>
    </message>
    <message>
        <source>Rename %1 back to %2</source>
        <translation>Renommer %1 en %2</translation>
    </message>
    <message>
        <source>Remove %1 and restore from the trash the file it replaced</source>
        <translation>Supprimer %1 et restaurer depuis la corbeille le fichier qu&apos;il a remplacé</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Restore %1 from the trash</source>
        <translation>Restaurer %1 depuis la corbeille</translation>
    </message>
    <message>
        <source>Delete %1 on the server of %2</source>
        <translation>Supprimer %1 sur le serveur de %2</translation>
    </message>
    <message>
        <source>Kept %1: it changed or went since the batch</source>
        <translation>%1 conservé : modifié ou disparu depuis le lot</translation>
    </message>
    <message>
        <source>Kept %1: another file is at %2 now</source>
        <translation>%1 conservé : un autre fichier se trouve maintenant à %2</translation>
    </message>
    <message>
        <source>Kept %1: %2</source>
        <translation>%1 conservé : %2</translation>
    </message>
    <message>
        <source>Renamed %1 back to %2</source>
        <translation>%1 renommé en %2</translation>
    </message>
    <message>
        <source>Already gone: %1</source>
        <translation>Déjà disparu : %1</translation>
    </message>
    <message>
        <source>Kept %1: it changed since the batch</source>
        <translation>%1 conservé : modifié depuis le lot</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>%1 supprimé</translation>
    </message>
    <message>
        <source>Kept %1: the file it replaced is not in the trash</source>
        <translation>%1 conservé : le fichier qu&apos;il a remplacé n&apos;est pas dans la corbeille</translation>
    </message>
    <message>
        <source>Removed %1 and restored the file it replaced</source>
        <translation>%1 supprimé et le fichier qu&apos;il a remplacé restauré</translation>
    </message>
    <message>
        <source>Restored %1 from the trash</source>
        <translation>%1 restauré depuis la corbeille</translation>
    </message>
    <message>
        <source>Left %1 in the trash: another file is in its place</source>
        <translation>%1 laissé dans la corbeille : un autre fichier occupe sa place</translation>
    </message>
    <message>
        <source>Could not restore %1: it is no longer in the trash</source>
        <translation>Impossible de restaurer %1 : il n&apos;est plus dans la corbeille</translation>
    </message>
    <message>
        <source>Left %1 in the trash: %2</source>
        <translation>%1 laissé dans la corbeille : %2</translation>
    </message>
    <message>
        <source>Not deleted on the server: %1 (%2)</source>
        <translation>Non supprimé sur le serveur : %1 (%2)</translation>
    </message>
    <message>
        <source>no saved connection &quot;%1&quot;</source>
        <translation>aucune connexion enregistrée « %1 »</translation>
    </message>
    <message>
        <source>the connection &quot;%1&quot; has no saved password</source>
        <translation>la connexion « %1 » n&apos;a pas de mot de passe enregistré</translation>
    </message>
    <message>
        <source>Deleted %1 on the server of %2</source>
        <translation>%1 supprimé sur le serveur de %2</translation>
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
        <translation>Licence Imagemagick</translation>
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
        <translation>OK</translation>
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
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmFTPConnections</name>
    <message>
        <source>Configure FTP Connections</source>
        <translation>Configurer les connexions FTP</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Select a connection name in above list and click this button to remove it.</source>
        <translation>Sélectionnez un nom de connexion dans la liste ci-dessus et cliquez sur ce bouton pour la supprimer.</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Tester</translation>
    </message>
    <message>
        <source>Test the connection by connecting to it with details given.</source>
        <translation>Teste la connexion en s&apos;y connectant avec les informations indiquées.</translation>
    </message>
    <message>
        <source>Connection Name:</source>
        <translation>Nom de la connexion&#xa0;:</translation>
    </message>
    <message>
        <source>Enter a unique and desciptive name for the FTP connection.</source>
        <translation>Saisissez un nom unique et explicite pour la connexion FTP.</translation>
    </message>
    <message>
        <source>&amp;Connection</source>
        <translation>&amp;Connexion</translation>
    </message>
    <message>
        <source>Server Hostname/IP:</source>
        <translation>Nom d&apos;hôte/IP du serveur&#xa0;:</translation>
    </message>
    <message>
        <source>The hostname or the IP address of the FTP server to upload images to.</source>
        <translation>Le nom d&apos;hôte ou l&apos;adresse IP du serveur FTP vers lequel envoyer les images.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>The port number of the FTP server to upload images to. Default is 21.</source>
        <translation>Le numéro de port du serveur FTP vers lequel envoyer les images. La valeur par défaut est 21.</translation>
    </message>
    <message>
        <source>Use Passive Mode</source>
        <translation>Utiliser le mode passif</translation>
    </message>
    <message>
        <source>Check to use passive mode (PASV) rather than active mode (PORT).</source>
        <translation>Cochez pour utiliser le mode passif (PASV) plutôt que le mode actif (PORT).</translation>
    </message>
    <message>
        <source>Timeout (Seconds):</source>
        <translation>Délai d&apos;attente (secondes)&#xa0;:</translation>
    </message>
    <message>
        <source>If the server doesn&apos;t respond within the specified time, connection is canceled.</source>
        <translation>Si le serveur ne répond pas dans le délai indiqué, la connexion est annulée.</translation>
    </message>
    <message>
        <source>&amp;Default Path</source>
        <translation>Chemin par &amp;défaut</translation>
    </message>
    <message>
        <source>The path of the directory on the FTP server to upload images into. This can be changed when selecting the connection as the output.</source>
        <translation>Le chemin du dossier du serveur FTP dans lequel envoyer les images. Il peut être modifié au moment de choisir la connexion comme sortie.</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Identification</translation>
    </message>
    <message>
        <source>Annonymous</source>
        <translation>Anonyme</translation>
    </message>
    <message>
        <source>Check if connection is for an annonymous server (i.e. no username or password).</source>
        <translation>Cochez si la connexion concerne un serveur anonyme (c&apos;est-à-dire sans identifiant ni mot de passe).</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Identifiant&#xa0;:</translation>
    </message>
    <message>
        <source>The username to use when logging onto the FTP server.</source>
        <translation>L&apos;identifiant à utiliser pour se connecter au serveur FTP.</translation>
    </message>
    <message>
        <source>Save Password:</source>
        <translation>Mémoriser le mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Check to allow the password to be stored for connection. Means the username/password won&apos;t be asked for when connecting to FTP server. Passwords are stored using encryption.</source>
        <translation>Cochez pour enregistrer le mot de passe de la connexion. L&apos;identifiant et le mot de passe ne seront alors plus demandés lors de la connexion au serveur FTP. Les mots de passe sont enregistrés chiffrés.</translation>
    </message>
    <message>
        <source>The password to use when logging onto the FTP server. If not specified, password will be asked on each connection attempt.</source>
        <translation>Le mot de passe à utiliser pour se connecter au serveur FTP. S&apos;il n&apos;est pas indiqué, il sera demandé à chaque tentative de connexion.</translation>
    </message>
    <message>
        <source>&amp;Save/Add</source>
        <translation>&amp;Enregistrer/Ajouter</translation>
    </message>
    <message>
        <source>Save selected connection or add new connection to list.</source>
        <translation>Enregistre la connexion sélectionnée ou ajoute une nouvelle connexion à la liste.</translation>
    </message>
</context>
<context>
    <name>frmFTPLogin</name>
    <message>
        <source>Server Login</source>
        <translation>Connexion au serveur</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Identifiant&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Remember Username &amp;&amp; Password</source>
        <translation>&amp;Mémoriser l&apos;identifiant &amp;&amp; le mot de passe</translation>
    </message>
    <message>
        <source>Check if you want the above username and password to be stored for this connection. This will mean you wont have to enter login details again.</source>
        <translation>Cochez pour enregistrer l&apos;identifiant et le mot de passe ci-dessus pour cette connexion. Vous n&apos;aurez alors plus à les saisir.</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Connexion</translation>
    </message>
    <message>
        <source>Press to login to server using username/password above.</source>
        <translation>Cliquez pour vous connecter au serveur avec l&apos;identifiant et le mot de passe ci-dessus.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Press to cancel connection to server.</source>
        <translation>Cliquez pour annuler la connexion au serveur.</translation>
    </message>
</context>
<context>
    <name>frmFTPSelectOutputDir</name>
    <message>
        <source>Select FTP Output Directory</source>
        <translation>Choisir le dossier de sortie FTP</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Dernière modification</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Droits d&apos;accès</translation>
    </message>
    <message>
        <source>Create Directory...</source>
        <translation>Créer un dossier...</translation>
    </message>
    <message>
        <source>Press to create a new directory in above directory.</source>
        <translation>Cliquez pour créer un nouveau dossier dans le dossier ci-dessus.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Press to select output directory and return to main screen.</source>
        <translation>Cliquez pour choisir le dossier de sortie et revenir à la fenêtre principale.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Press to cancel selection of directory.</source>
        <translation>Cliquez pour annuler le choix du dossier.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renommer...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
    <message>
        <source>&amp;Create New Directory...</source>
        <translation>&amp;Créer un nouveau dossier...</translation>
    </message>
</context>
<context>
    <name>frmFTPTest</name>
    <message>
        <source>Test FTP Connection</source>
        <translation>Tester la connexion FTP</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Cancel connection test/close window.</source>
        <translation>Annule le test de connexion ou ferme la fenêtre.</translation>
    </message>
</context>
<context>
    <name>frmGo</name>
    <message>
        <source>Processing Images</source>
        <translation>Traitement des images</translation>
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
        <translation>FTP</translation>
    </message>
    <message>
        <source>Stop Processing Images</source>
        <translation>Arrêter le traitement</translation>
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
        <translation>Images</translation>
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
        <translation>Visiter Quillmere...</translation>
    </message>
    <message>
        <source>Get VEXL Professional...</source>
        <translation>Obtenir VEXL Professional...</translation>
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
        <source>Enable Explorer Context Menu</source>
        <translation>Activer le menu contextuel de l&apos;Explorateur</translation>
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
        <translation>English (par défaut)</translation>
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
        <translation>Italiano (traduction en attente)</translation>
    </message>
    <message>
        <source>Nederlands</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Submit...</source>
        <translation>Proposer...</translation>
    </message>
    <message>
        <source>Grey (Default)</source>
        <translation>Gris (par défaut)</translation>
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
        <translation>Clair</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Blue Grey</source>
        <translation>Gris bleu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
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
        <translation>Chargement de la liste...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
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
        <translation>Dimensions</translation>
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
        <translation>x</translation>
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
        <translation>%</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Antialias</source>
        <translation>Anticrénelage</translation>
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
        <translation>Pixels</translation>
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
        <translation>...</translation>
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
        <translation>Format&#xa0;:</translation>
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
        <translation>?</translation>
    </message>
    <message>
        <source>About VEXL Dovo.</source>
        <translation>À propos de VEXL Dovo.</translation>
    </message>
    <message>
        <source>www</source>
        <translation>www</translation>
    </message>
    <message>
        <source>Visit the Quillmere website for updates, new software &amp; freeware etc.</source>
        <translation>Visitez le site web de Quillmere pour les mises à jour, les nouveaux logiciels, les gratuiciels, etc.</translation>
    </message>
    <message>
        <source>Start &gt;&gt;&gt;</source>
        <translation>Lancer &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Process the images with the settings specified above.</source>
        <translation>Traite les images avec les paramètres indiqués ci-dessus.</translation>
    </message>
    <message>
        <source>Capture Date (YYYY-MM-DD)</source>
        <translation>Date de prise de vue (AAAA-MM-JJ)</translation>
    </message>
    <message>
        <source>Capture Time (HH-MM-SS)</source>
        <translation>Heure de prise de vue (HH-MM-SS)</translation>
    </message>
    <message>
        <source>Camera Make and Model</source>
        <translation>Marque et modèle de l&apos;appareil</translation>
    </message>
    <message>
        <source>Original Filename</source>
        <translation>Nom de fichier d&apos;origine</translation>
    </message>
    <message>
        <source>Only Shrink</source>
        <translation>Réduire uniquement</translation>
    </message>
    <message>
        <source>Resize only images that are larger than the given size; smaller images keep their size.</source>
        <translation>Redimensionner uniquement les images plus grandes que la taille indiquée&#xa0;; les plus petites gardent leur taille.</translation>
    </message>
    <message>
        <source>Auto-Rotate by Camera Orientation</source>
        <translation>Rotation automatique selon l&apos;orientation de l&apos;appareil</translation>
    </message>
    <message>
        <source>Turn photos upright as the camera recorded them, before any other operation.</source>
        <translation>Redresse les photos comme l&apos;appareil l&apos;a enregistré, avant toute autre opération.</translation>
    </message>
    <message>
        <source>WEBP</source>
        <translation>WEBP</translation>
    </message>
    <message>
        <source>JPG/PNG/WebP Quality:</source>
        <translation>Qualité JPG/PNG/WebP&#xa0;:</translation>
    </message>
    <message>
        <source>Desktop Widget Style</source>
        <translation>Style du bureau</translation>
    </message>
    <message>
        <source>Draw the controls in the desktop&apos;s own widget style instead of the built-in one (after a restart).</source>
        <translation>Dessiner les contrôles dans le style propre au bureau au lieu du style intégré (après un redémarrage).</translation>
    </message>
    <message>
        <source>Set Background Colour</source>
        <translation>Définir la couleur de fond</translation>
    </message>
    <message>
        <source>Preview Names...</source>
        <translation>Aperçu des noms...</translation>
    </message>
    <message>
        <source>Show the name each ticked image will get, before anything is written.</source>
        <translation>Affiche le nom que recevra chaque image cochée, avant que rien ne soit écrit.</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>Settings files (*.ini);;All files (*)</source>
        <translation>Fichiers de paramètres (*.ini);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>frmNamePreview</name>
    <message>
        <source>Name Preview</source>
        <translation>Aperçu des noms</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Start &gt;&gt;&gt;</source>
        <translation>Démarrer &gt;&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>frmRunSummary</name>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Ce qui s&apos;est passé</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Ouvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
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
    <name>vexl::CFtpClient</name>
    <message>
        <source>The directory listing took too long.</source>
        <translation>Le listage du répertoire a pris trop de temps.</translation>
    </message>
    <message>
        <source>The server ended the upload before the whole file was sent.</source>
        <translation>Le serveur a terminé l&apos;envoi avant que le fichier entier ait été transmis.</translation>
    </message>
    <message>
        <source>The directory listing is too long.</source>
        <translation>Le listage du répertoire est trop long.</translation>
    </message>
</context>
<context>
    <name>vexl::FtpBatchUpload</name>
    <message>
        <source>The folder &quot;%1&quot; contains a line break or a NUL character, which cannot be sent to an FTP server. Process Stopped.</source>
        <translation>Le dossier « %1 » contient un saut de ligne ou un caractère NUL, qui ne peut pas être envoyé à un serveur FTP. Traitement arrêté.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains a line break or a NUL character, which cannot be sent to an FTP server. Process Stopped.</source>
        <translation>Le nom de fichier « %1 » contient un saut de ligne ou un caractère NUL, qui ne peut pas être envoyé à un serveur FTP. Traitement arrêté.</translation>
    </message>
    <message>
        <source>Re-opening the connection failed: %1</source>
        <translation>La réouverture de la connexion a échoué : %1</translation>
    </message>
    <message>
        <source>Removed the incomplete file %1 from the server.</source>
        <translation>Le fichier incomplet %1 a été supprimé du serveur.</translation>
    </message>
    <message>
        <source>Could not remove the incomplete file %1 from the server: %2</source>
        <translation>Impossible de supprimer le fichier incomplet %1 du serveur : %2</translation>
    </message>
</context>
<context>
    <name>vexl::OutputPlanner</name>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>These images would overwrite another image or its result:</source>
        <translation>Ces images écraseraient une autre image ou son résultat :</translation>
    </message>
    <message>
        <source>Do you want to skip them and process the others?</source>
        <translation>Voulez-vous les ignorer et traiter les autres ?</translation>
    </message>
</context>
<context>
    <name>vexl::frmFTPConnections</name>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must not contain control characters such as line breaks or tabs.</source>
        <translation>Le champ « %1 » ne doit pas contenir de caractères de contrôle tels que des sauts de ligne ou des tabulations.</translation>
    </message>
    <message>
        <source>The connection name &quot;%1&quot; must not contain &quot;//&quot;.</source>
        <translation>Le nom de connexion « %1 » ne doit pas contenir « // ».</translation>
    </message>
</context>
<context>
    <name>vexl::frmMain</name>
    <message>
        <source>%1 entries skipped (unusable names or paths too long)</source>
        <translation>%1 entrées ignorées (noms inutilisables ou chemins trop longs)</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Enregistrer les paramètres sous...</translation>
    </message>
    <message>
        <source>Load Settings...</source>
        <translation>Charger des paramètres...</translation>
    </message>
    <message>
        <source>Recent Presets</source>
        <translation>Préréglages récents</translation>
    </message>
    <message>
        <source>Undo Last Batch...</source>
        <translation>Annuler le dernier lot...</translation>
    </message>
    <message>
        <source>Save Settings As</source>
        <translation>Enregistrer les paramètres sous</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:
%2</source>
        <translation>Impossible d&apos;enregistrer les paramètres dans %1 :
%2</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Charger des paramètres</translation>
    </message>
    <message>
        <source>The settings could not be loaded:
%1</source>
        <translation>Impossible de charger les paramètres :
%1</translation>
    </message>
    <message>
        <source>These values of %1 were refused; their fields keep what they held:</source>
        <translation>Ces valeurs de %1 ont été refusées ; leurs champs gardent leur contenu :</translation>
    </message>
    <message>
        <source>Undo Last Batch</source>
        <translation>Annuler le dernier lot</translation>
    </message>
</context>
<context>
    <name>vexl::frmNamePreview</name>
    <message>
        <source>No number left: the run stops here.</source>
        <translation>Plus aucun numéro libre : le traitement s&apos;arrête ici.</translation>
    </message>
    <message>
        <source>One file per scene (# is the scene number).</source>
        <translation>Un fichier par scène (# est le numéro de scène).</translation>
    </message>
    <message>
        <source>Values in [ ] are filled in from the result.</source>
        <translation>Les valeurs entre [ ] sont tirées du résultat.</translation>
    </message>
    <message>
        <source>Numbers skipped (name taken): %1</source>
        <translation>Numéros sautés (nom déjà pris) : %1</translation>
    </message>
    <message>
        <source>Name collision: an earlier image gets %1; this one is skipped if you go on.</source>
        <translation>Conflit de noms : une image précédente reçoit %1 ; celle-ci est ignorée si vous continuez.</translation>
    </message>
    <message>
        <source>Name collision: %1 is another ticked image; this one is skipped if you go on.</source>
        <translation>Conflit de noms : %1 est une autre image cochée ; celle-ci est ignorée si vous continuez.</translation>
    </message>
    <message>
        <source>Name collision: %1 is another file; this one is skipped if you go on.</source>
        <translation>Conflit de noms : %1 est un autre fichier ; celle-ci est ignorée si vous continuez.</translation>
    </message>
    <message>
        <source>The settings give no output name: %1</source>
        <translation>Les réglages ne donnent aucun nom de sortie : %1</translation>
    </message>
    <message>
        <source>Images: %1, into %2</source>
        <translation>Images : %1, dans %2</translation>
    </message>
    <message>
        <source>Name collisions (the run asks before it starts): %1</source>
        <translation>Conflits de noms (le traitement demande avant de commencer) : %1</translation>
    </message>
    <message>
        <source>Numbers skipped because a file has that name: %1</source>
        <translation>Numéros sautés car un fichier porte déjà ce nom : %1</translation>
    </message>
    <message>
        <source>Names completed from the result during the run: %1</source>
        <translation>Noms complétés à partir du résultat pendant le traitement : %1</translation>
    </message>
</context>
<context>
    <name>vexl::frmRunSummary</name>
    <message>
        <source>No program is set up to open the folder %1.</source>
        <translation>Aucun programme n&apos;est configuré pour ouvrir le dossier %1.</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Ouvrir le dossier de sortie</translation>
    </message>
</context>
</TS>
