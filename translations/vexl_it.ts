<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BatchRun</name>
    <message>
        <source>Overflow (count): at most 32767 images can be processed in one run</source>
        <translation>Overflow (conteggio): in un&apos;esecuzione si possono elaborare al massimo 32767 immagini</translation>
    </message>
    <message>
        <source>No result was published.</source>
        <translation>Nessun risultato è stato salvato.</translation>
    </message>
    <message>
        <source>Stopped: %1 images were not processed.</source>
        <translation>Interrotto: %1 immagini non sono state elaborate.</translation>
    </message>
    <message>
        <source>%1 images were not processed.</source>
        <translation>%1 immagini non sono state elaborate.</translation>
    </message>
    <message>
        <source>Skipped %1: its result would overwrite another image or its result.</source>
        <translation>%1 saltata: il suo risultato sovrascriverebbe un&apos;altra immagine o il suo risultato.</translation>
    </message>
    <message>
        <source>No image was written.</source>
        <translation>Non è stata scritta alcuna immagine.</translation>
    </message>
    <message>
        <source>%1 was replaced for good (no trash could take it: %2).</source>
        <translation>%1 è stato sostituito definitivamente (nessun cestino ha potuto accoglierlo: %2).</translation>
    </message>
    <message>
        <source>The name is taken by another image of this run or by its result.</source>
        <translation>Il nome è già usato da un&apos;altra immagine di questa elaborazione o dal suo risultato.</translation>
    </message>
    <message>
        <source>%1 was deleted for good (no trash could take it: %2).</source>
        <translation>%1 è stato eliminato definitivamente (nessun cestino ha potuto accoglierlo: %2).</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Output in Same Folder</source>
        <translation>Salva nella stessa cartella</translation>
    </message>
    <message>
        <source>Output in Different Folder</source>
        <translation>Salva in un&apos;altra cartella</translation>
    </message>
    <message>
        <source>Configure FTP Servers...</source>
        <translation>Configura server FTP...</translation>
    </message>
    <message>
        <source>Please select the connection to remove from list above!</source>
        <translation>Seleziona nell&apos;elenco qui sopra la connessione da rimuovere!</translation>
    </message>
    <message>
        <source>Are you sure you want to remove FTP connection &quot;[NAME]&quot;?</source>
        <translation>Vuoi davvero rimuovere la connessione FTP &quot;[NAME]&quot;?</translation>
    </message>
    <message>
        <source>You must specify a connection name!</source>
        <translation>Devi indicare un nome per la connessione!</translation>
    </message>
    <message>
        <source>You must specify a server hostname/IP!</source>
        <translation>Devi indicare il nome host o l&apos;IP del server!</translation>
    </message>
    <message>
        <source>Only letters (a-z, A-Z), numbers (1-9), periods (.) and hyphons (-) are allowed for server hostname/IP!</source>
        <translation>Nel nome host o nell&apos;IP del server sono ammessi solo lettere (a-z, A-Z), numeri (0-9), punti (.) e trattini (-)!</translation>
    </message>
    <message>
        <source>You must specify a valid port number! Default is 21.</source>
        <translation>Devi indicare un numero di porta valido! Il valore predefinito è 21.</translation>
    </message>
    <message>
        <source>You must specify a username if annonymous not selected!</source>
        <translation>Devi indicare un nome utente se non hai spuntato &quot;Anonimo&quot;!</translation>
    </message>
    <message>
        <source>Connection name &quot;[NAME]&quot; already exists! Please select another name.</source>
        <translation>Il nome di connessione &quot;[NAME]&quot; esiste già! Scegli un altro nome.</translation>
    </message>
    <message>
        <source>No connection for name &quot;[NAME]&quot;!</source>
        <translation>Nessuna connessione con il nome &quot;[NAME]&quot;!</translation>
    </message>
    <message>
        <source>Please select a connection from the list above to test.</source>
        <translation>Seleziona nell&apos;elenco qui sopra una connessione da provare.</translation>
    </message>
    <message>
        <source>New Directory Name: </source>
        <translation>Nome della nuova cartella: </translation>
    </message>
    <message>
        <source>Enter New Directory Name</source>
        <translation>Nome della nuova cartella</translation>
    </message>
    <message>
        <source>New Directory</source>
        <translation>Nuova cartella</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Ultima modifica</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permessi</translation>
    </message>
    <message>
        <source>FTP Connection Error: </source>
        <translation>Errore di connessione FTP: </translation>
    </message>
    <message>
        <source>FTP Connection Canceled.</source>
        <translation>Connessione FTP annullata.</translation>
    </message>
    <message>
        <source>FTP Connection to server &quot;[SERVER]&quot; timed out!</source>
        <translation>Tempo scaduto per la connessione FTP al server &quot;[SERVER]&quot;!</translation>
    </message>
    <message>
        <source>Error creating directory: </source>
        <translation>Errore durante la creazione della cartella: </translation>
    </message>
    <message>
        <source>Go to parent directory</source>
        <translation>Vai alla cartella superiore</translation>
    </message>
    <message>
        <source>Error removing directory: </source>
        <translation>Errore durante la rimozione della cartella: </translation>
    </message>
    <message>
        <source>Error renaming directory: </source>
        <translation>Errore durante la rinomina della cartella: </translation>
    </message>
    <message>
        <source>Rename &quot;[OLDDIRPATH]&quot; To: </source>
        <translation>Rinomina &quot;[OLDDIRPATH]&quot; in: </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the directory:\n\n[DIRECTORY]?\n\nDirectory must be empty.</source>
        <translation>Vuoi davvero eliminare la cartella:\n\n[DIRECTORY]?\n\nLa cartella deve essere vuota.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>The control connection is closed</source>
        <translation>La connessione di controllo è chiusa</translation>
    </message>
    <message>
        <source>Connecting to [SERVER]...</source>
        <translation>Connessione a [SERVER]...</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connesso</translation>
    </message>
    <message>
        <source>Authentication in progress...</source>
        <translation>Autenticazione in corso...</translation>
    </message>
    <message>
        <source>User has been logged in successfully</source>
        <translation>Accesso eseguito correttamente</translation>
    </message>
    <message>
        <source>Changing current directory...</source>
        <translation>Cambio della cartella corrente...</translation>
    </message>
    <message>
        <source>Deleting file...</source>
        <translation>Eliminazione del file...</translation>
    </message>
    <message>
        <source>Removing directory...</source>
        <translation>Rimozione della cartella...</translation>
    </message>
    <message>
        <source>Creating directory...</source>
        <translation>Creazione della cartella...</translation>
    </message>
    <message>
        <source>Renaming file...</source>
        <translation>Rinomina del file...</translation>
    </message>
    <message>
        <source>Establishing data connection...</source>
        <translation>Apertura della connessione dati...</translation>
    </message>
    <message>
        <source>Data connection established</source>
        <translation>Connessione dati stabilita</translation>
    </message>
    <message>
        <source>Retrieving directory info...</source>
        <translation>Lettura del contenuto della cartella...</translation>
    </message>
    <message>
        <source>Directory info retrieved</source>
        <translation>Contenuto della cartella letto</translation>
    </message>
    <message>
        <source>Download in progress...</source>
        <translation>Download in corso...</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Download completato</translation>
    </message>
    <message>
        <source>Upload in progress...</source>
        <translation>Upload in corso...</translation>
    </message>
    <message>
        <source>Upload complete</source>
        <translation>Upload completato</translation>
    </message>
    <message>
        <source>FTP Connection &quot;[NAME]&quot; OK.</source>
        <translation>La connessione FTP &quot;[NAME]&quot; funziona.</translation>
    </message>
    <message>
        <source>Error listing files: </source>
        <translation>Errore nella lettura dell&apos;elenco dei file: </translation>
    </message>
    <message>
        <source>Error accessing path &quot;[PATH]&quot;!</source>
        <translation>Errore di accesso al percorso &quot;[PATH]&quot;!</translation>
    </message>
    <message>
        <source>Transferring &quot;[FILE]&quot; to FTP Server...</source>
        <translation>Trasferimento di &quot;[FILE]&quot; al server FTP...</translation>
    </message>
    <message>
        <source>FTP Client Busy, Waiting...</source>
        <translation>Client FTP occupato, in attesa...</translation>
    </message>
    <message>
        <source>FTP Upload Error, Process Stopped: </source>
        <translation>Errore di upload FTP, elaborazione interrotta: </translation>
    </message>
    <message>
        <source>FTP Upload Timed Out. Process Stopped.</source>
        <translation>Tempo scaduto per l&apos;upload FTP. Elaborazione interrotta.</translation>
    </message>
    <message>
        <source>FTP Upload Canceled. Process Stopped.</source>
        <translation>Upload FTP annullato. Elaborazione interrotta.</translation>
    </message>
    <message>
        <source>Login details not given. Ending process.</source>
        <translation>Dati di accesso non forniti. Elaborazione terminata.</translation>
    </message>
    <message>
        <source>The FTP connection has closed. Do you want to re-open it and continue?</source>
        <translation>La connessione FTP si è chiusa. Vuoi riaprirla e continuare?</translation>
    </message>
    <message>
        <source>Connection Remove Error: Name could not be found!</source>
        <translation>Errore di rimozione della connessione: nome non trovato!</translation>
    </message>
    <message>
        <source>Login failed for [NUMATTEMPTS] attempts.</source>
        <translation>Accesso non riuscito dopo [NUMATTEMPTS] tentativi.</translation>
    </message>
    <message>
        <source>Username/Password Incorrect. Do you want to retry?</source>
        <translation>Nome utente o password errati. Vuoi riprovare?</translation>
    </message>
    <message>
        <source>Connecting to server (timeout in [TIMEOUT] seconds)...</source>
        <translation>Connessione al server (timeout di [TIMEOUT] secondi)...</translation>
    </message>
    <message>
        <source>Current Directory: </source>
        <translation>Cartella corrente: </translation>
    </message>
    <message>
        <source>Error setting directory to path &quot;[PATH]&quot;. Exiting process.</source>
        <translation>Errore nel passaggio alla cartella &quot;[PATH]&quot;. Elaborazione terminata.</translation>
    </message>
    <message>
        <source>Error creating directory &quot;[PATH]&quot;. Exiting Process.</source>
        <translation>Errore durante la creazione della cartella &quot;[PATH]&quot;. Elaborazione terminata.</translation>
    </message>
    <message>
        <source>(Preview Disabled)</source>
        <translation>(Anteprima disattivata)</translation>
    </message>
    <message>
        <source>Could not overlay text to on image &quot;[IMAGE]&quot;! Do you want to continue processing images?</source>
        <translation>Impossibile sovrapporre il testo all&apos;immagine &quot;[IMAGE]&quot;! Vuoi continuare a elaborare le immagini?</translation>
    </message>
    <message>
        <source>Could not greyscale image &quot;[IMAGE]&quot; because:</source>
        <translation>Impossibile convertire in scala di grigi l&apos;immagine &quot;[IMAGE]&quot; perché:</translation>
    </message>
    <message>
        <source>Could not invert colours of image &quot;[IMAGE]&quot; because:</source>
        <translation>Impossibile invertire i colori dell&apos;immagine &quot;[IMAGE]&quot; perché:</translation>
    </message>
    <message>
        <source>There is an IMMINENT possibility that output images will overwrite selected images.\nAre you sure you want to continue?\n\nPress &apos;Cancel&apos; to never see this message again, and continue.</source>
        <translation>C&apos;è un rischio IMMINENTE che le immagini in uscita sovrascrivano immagini selezionate.\nVuoi davvero continuare?\n\nPremi &quot;Annulla&quot; per continuare senza vedere mai più questo messaggio.</translation>
    </message>
    <message>
        <source>There is a MEDIUM possibility that output images will overwrite selected images\n(The only differentiation is the spaces/undercores or extension, which is weak).\nAre you sure you want to continue?\n\nPress &apos;Cancel&apos; to never see this message again, and continue.</source>
        <translation>C&apos;è un rischio MEDIO che le immagini in uscita sovrascrivano immagini selezionate\n(si distinguono solo per spazi/trattini bassi o per l&apos;estensione, una differenza debole).\nVuoi davvero continuare?\n\nPremi &quot;Annulla&quot; per continuare senza vedere mai più questo messaggio.</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Scena</translation>
    </message>
    <message>
        <source>Could not retrive information on &quot;[IMAGE]&quot; because:\n[ERROR]\n\nDo you want to continue processing images?</source>
        <translation>Impossibile leggere le informazioni su &quot;[IMAGE]&quot; perché:\n[ERROR]\n\nVuoi continuare a elaborare le immagini?</translation>
    </message>
    <message>
        <source>In Folder: </source>
        <translation>Nella cartella: </translation>
    </message>
    <message>
        <source>Filename cannot contain the following characters: </source>
        <translation>Il nome del file non può contenere i seguenti caratteri: </translation>
    </message>
    <message>
        <source>Could not make folder &quot;[FOLDER]&quot;\n\nFolder already exists!</source>
        <translation>Impossibile creare la cartella &quot;[FOLDER]&quot;\n\nLa cartella esiste già!</translation>
    </message>
    <message>
        <source>Could not make folder &quot;[FOLDER]&quot;\n\n[ERROR]!</source>
        <translation>Impossibile creare la cartella &quot;[FOLDER]&quot;\n\n[ERROR]!</translation>
    </message>
    <message>
        <source>Orig. Size:</source>
        <translation>Dim. orig.:</translation>
    </message>
    <message>
        <source>Batch Process Images...</source>
        <translation>Elabora immagini in serie...</translation>
    </message>
    <message>
        <source>Process Finished!</source>
        <translation>Elaborazione completata!</translation>
    </message>
    <message>
        <source>Could not delete file &quot;[IMAGE]&quot; because:</source>
        <translation>Impossibile eliminare il file &quot;[IMAGE]&quot; perché:</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;[IMAGE]&quot;</source>
        <translation>Vuoi davvero eliminare &quot;[IMAGE]&quot;?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete these [NUM] images?</source>
        <translation>Vuoi davvero eliminare queste [NUM] immagini?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the checked image?</source>
        <translation>Vuoi davvero eliminare l&apos;immagine spuntata?</translation>
    </message>
    <message>
        <source>Could not flip image &quot;[IMAGE]&quot; because:</source>
        <translation>Impossibile riflettere l&apos;immagine &quot;[IMAGE]&quot; perché:</translation>
    </message>
    <message>
        <source>Could not rotate image &quot;[IMAGE]&quot; because:</source>
        <translation>Impossibile ruotare l&apos;immagine &quot;[IMAGE]&quot; perché:</translation>
    </message>
    <message>
        <source>Cannot Access Location: </source>
        <translation>Impossibile accedere al percorso: </translation>
    </message>
    <message>
        <source>A value is required in this field!</source>
        <translation>Questo campo richiede un valore!</translation>
    </message>
    <message>
        <source>Only numbers are allowed into this field!</source>
        <translation>In questo campo sono ammessi solo numeri!</translation>
    </message>
    <message>
        <source>Number not allowed to be 0!</source>
        <translation>Il numero non può essere 0!</translation>
    </message>
    <message>
        <source>Error Loading: </source>
        <translation>Errore di caricamento: </translation>
    </message>
    <message>
        <source>Select Output Directory:</source>
        <translation>Seleziona la cartella di destinazione:</translation>
    </message>
    <message>
        <source>Please Select at least 1 Image to Process!</source>
        <translation>Seleziona almeno 1 immagine da elaborare!</translation>
    </message>
    <message>
        <source>Could not bevel image with a width of [WIDTH] pixels\nThe image may be too small for this bevel width.\n\nDo you want to continue processing images?</source>
        <translation>Impossibile applicare all&apos;immagine uno smusso largo [WIDTH] pixel\nL&apos;immagine potrebbe essere troppo piccola per questa larghezza di smusso.\n\nVuoi continuare a elaborare le immagini?</translation>
    </message>
    <message>
        <source>Could not remove file &quot;[IMAGE]&quot;!\nDo you want to continue processing images?</source>
        <translation>Impossibile rimuovere il file &quot;[IMAGE]&quot;!\nVuoi continuare a elaborare le immagini?</translation>
    </message>
    <message>
        <source>ImageMagick Encountered and Error When Doing this:\n[CURROP]\nDescription: [ERROR]\nThe file might be Read Only, Hidden or not an Image.\n\nDo you want to continue processing images?</source>
        <translation>ImageMagick ha riscontrato un errore durante questa operazione:\n[CURROP]\nDescrizione: [ERROR]\nIl file potrebbe essere di sola lettura, nascosto o non essere un&apos;immagine.\n\nVuoi continuare a elaborare le immagini?</translation>
    </message>
    <message>
        <source>Could not copy &quot;[IMAGE1]&quot; to &quot;[IMAGE2]&quot;!\nDo you want to continue processing images?</source>
        <translation>Impossibile copiare &quot;[IMAGE1]&quot; in &quot;[IMAGE2]&quot;!\nVuoi continuare a elaborare le immagini?</translation>
    </message>
    <message>
        <source>Stopping Process...</source>
        <translation>Interruzione in corso...</translation>
    </message>
    <message>
        <source>Stop Processing Images</source>
        <translation>Interrompi elaborazione</translation>
    </message>
    <message>
        <source>Process stopping...</source>
        <translation>Arresto dell&apos;elaborazione...</translation>
    </message>
    <message>
        <source>Due to limitations in this function, styles such as:\n\nBold, Italic, Underline and Strikethru\n\nCannot be applied to images and have been ignored.</source>
        <translation>A causa dei limiti di questa funzione, stili come:\n\nGrassetto, Corsivo, Sottolineato e Barrato\n\nnon possono essere applicati alle immagini e sono stati ignorati.</translation>
    </message>
    <message>
        <source>* - 0 or more characters (wildcard).\n? - Any single character.\n* - Zero or more characters.\n# - Any single digit (0 to 9).\n[charlist] - Any single character in charlist.\n[!charlist] - Any single character not in charlist.</source>
        <translation>* - 0 o più caratteri (carattere jolly).\n? - Un carattere qualsiasi.\n* - Zero o più caratteri.\n# - Una cifra qualsiasi (da 0 a 9).\n[elenco] - Un carattere qualsiasi dell&apos;elenco.\n[!elenco] - Un carattere qualsiasi non presente nell&apos;elenco.</translation>
    </message>
    <message>
        <source>Enter Pattern: </source>
        <translation>Inserisci il modello: </translation>
    </message>
    <message>
        <source>Select Images By Pattern</source>
        <translation>Seleziona immagini secondo un modello</translation>
    </message>
    <message>
        <source>De-Select Images By Pattern</source>
        <translation>Deseleziona immagini secondo un modello</translation>
    </message>
    <message>
        <source>The current image is about to be resized to over 6 megapixels ([DIMENSIONS]). This may cause the program to freeze as it is a very large image to process.\nYou might be resizing as a percentage accidently.\n\nPress yes to continue resizing. You will not see this warning again.\nPress no to skip image.\nPress cancel to end process.</source>
        <translation>L&apos;immagine corrente sta per essere ridimensionata a oltre 6 megapixel ([DIMENSIONS]). Il programma potrebbe bloccarsi, perché è un&apos;immagine molto grande da elaborare.\nForse stai ridimensionando in percentuale per errore.\n\nPremi &quot;Sì&quot; per continuare il ridimensionamento. Non vedrai più questo avviso.\nPremi &quot;No&quot; per saltare l&apos;immagine.\nPremi &quot;Annulla&quot; per terminare l&apos;elaborazione.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Caricamento...</translation>
    </message>
    <message>
        <source>Error removing old image:\n[IMAGE]\n[ERROR]\n\nDo you want to continue?</source>
        <translation>Errore durante la rimozione della vecchia immagine:\n[IMAGE]\n[ERROR]\n\nVuoi continuare?</translation>
    </message>
    <message>
        <source>Error creating directory:\n[DIR]\n\nDo you want to continue?</source>
        <translation>Errore durante la creazione della cartella:\n[DIR]\n\nVuoi continuare?</translation>
    </message>
    <message>
        <source>Process Aborted.</source>
        <translation>Elaborazione interrotta.</translation>
    </message>
    <message>
        <source>Processing Images</source>
        <translation>Elaborazione immagini</translation>
    </message>
    <message>
        <source>You have selected to delete orignal images. These images can not be recovered.\nAre you sure you want to continue?\n\nPress &apos;Cancel&apos; to never see this message again, and continue.</source>
        <translation>Hai scelto di eliminare le immagini originali. Queste immagini non potranno essere recuperate.\nVuoi davvero continuare?\n\nPremi &quot;Annulla&quot; per continuare senza vedere mai più questo messaggio.</translation>
    </message>
    <message>
        <source>Please close and restart VEXL for this to take effect.\n\nWhen ticked, the controls are drawn in the desktop&apos;s own widget style; otherwise in the built-in style.</source>
        <translation>Chiudere e riavviare VEXL perché la modifica abbia effetto.\n\nSe selezionato, i controlli vengono disegnati con lo stile proprio del desktop; altrimenti con lo stile integrato.</translation>
    </message>
    <message>
        <source>No program is set up to open images, so &quot;[FILE]&quot; could not be opened.\n\nChoose an image viewer in your desktop&apos;s default applications settings, then try again.</source>
        <translation>Nessun programma è impostato per aprire le immagini, quindi non è stato possibile aprire &quot;[FILE]&quot;.\n\nScegliere un visualizzatore di immagini nelle applicazioni predefinite del desktop, quindi riprovare.</translation>
    </message>
    <message>
        <source>No program is set up to open web pages, so &quot;[URL]&quot; could not be opened.\n\nChoose a web browser in your desktop&apos;s default applications settings, then try again.</source>
        <translation>Nessun programma è impostato per aprire le pagine web, quindi non è stato possibile aprire &quot;[URL]&quot;.\n\nScegliere un browser web nelle applicazioni predefinite del desktop, quindi riprovare.</translation>
    </message>
    <message>
        <source>Image workers run unconfined: this kernel offers no Landlock, so a hostile image could reach your files.</source>
        <translation>I processi delle immagini vengono eseguiti senza confinamento: questo kernel non offre Landlock, quindi un&apos;immagine malevola potrebbe raggiungere i tuoi file.</translation>
    </message>
    <message>
        <source>Image workers are confined to the run&apos;s folders, but this kernel&apos;s Landlock (ABI [ABI]) cannot keep them off the network.</source>
        <translation>I processi delle immagini sono confinati nelle cartelle dell&apos;elaborazione, ma il Landlock di questo kernel (ABI [ABI]) non può impedire loro l&apos;accesso alla rete.</translation>
    </message>
    <message>
        <source>Image workers run unconfined: VEXL_NO_SANDBOX is set.</source>
        <translation>I processi delle immagini vengono eseguiti senza confinamento: VEXL_NO_SANDBOX è impostato.</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Done: %1</source>
        <translation>Completate: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Saltate: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Non riuscite: %1</translation>
    </message>
    <message>
        <source>Deleted to trash: %1</source>
        <translation>Spostate nel cestino: %1</translation>
    </message>
    <message>
        <source>Uploaded: %1</source>
        <translation>Caricate: %1</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscita</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltata</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>Non elaborate</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Risposta: %1</translation>
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
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>no trash can take this file</source>
        <translation>nessun cestino può accogliere questo file</translation>
    </message>
</context>
<context>
    <name>UndoBatch</name>
    <message>
        <source>Undo Last Batch</source>
        <translation>Annulla l&apos;ultimo lotto</translation>
    </message>
    <message>
        <source>There is no batch to undo.</source>
        <translation>Non c&apos;è nessun lotto da annullare.</translation>
    </message>
    <message>
        <source>Undo the last batch? This will:</source>
        <translation>Annullare l&apos;ultimo lotto? Verrà eseguito quanto segue:</translation>
    </message>
    <message>
        <source>The last batch was undone.</source>
        <translation>L&apos;ultimo lotto è stato annullato.</translation>
    </message>
    <message>
        <source>The last batch was undone, except what is listed as kept.</source>
        <translation>L&apos;ultimo lotto è stato annullato, tranne ciò che è elencato come mantenuto.</translation>
    </message>
    <message>
        <source>Rename %1 back to %2</source>
        <translation>Rinominare di nuovo %1 in %2</translation>
    </message>
    <message>
        <source>Remove %1 and restore from the trash the file it replaced</source>
        <translation>Rimuovere %1 e ripristinare dal cestino il file che ha sostituito</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Rimuovere %1</translation>
    </message>
    <message>
        <source>Restore %1 from the trash</source>
        <translation>Ripristinare %1 dal cestino</translation>
    </message>
    <message>
        <source>Delete %1 on the server of %2</source>
        <translation>Eliminare %1 sul server di %2</translation>
    </message>
    <message>
        <source>Kept %1: it changed or went since the batch</source>
        <translation>%1 mantenuto: è cambiato o sparito dopo il lotto</translation>
    </message>
    <message>
        <source>Kept %1: another file is at %2 now</source>
        <translation>%1 mantenuto: ora in %2 c&apos;è un altro file</translation>
    </message>
    <message>
        <source>Kept %1: %2</source>
        <translation>%1 mantenuto: %2</translation>
    </message>
    <message>
        <source>Renamed %1 back to %2</source>
        <translation>%1 rinominato di nuovo in %2</translation>
    </message>
    <message>
        <source>Already gone: %1</source>
        <translation>Già sparito: %1</translation>
    </message>
    <message>
        <source>Kept %1: it changed since the batch</source>
        <translation>%1 mantenuto: è cambiato dopo il lotto</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>%1 rimosso</translation>
    </message>
    <message>
        <source>Kept %1: the file it replaced is not in the trash</source>
        <translation>%1 mantenuto: il file che ha sostituito non è nel cestino</translation>
    </message>
    <message>
        <source>Removed %1 and restored the file it replaced</source>
        <translation>%1 rimosso e ripristinato il file che aveva sostituito</translation>
    </message>
    <message>
        <source>Restored %1 from the trash</source>
        <translation>%1 ripristinato dal cestino</translation>
    </message>
    <message>
        <source>Left %1 in the trash: another file is in its place</source>
        <translation>%1 lasciato nel cestino: al suo posto c&apos;è un altro file</translation>
    </message>
    <message>
        <source>Could not restore %1: it is no longer in the trash</source>
        <translation>Impossibile ripristinare %1: non è più nel cestino</translation>
    </message>
    <message>
        <source>Left %1 in the trash: %2</source>
        <translation>%1 lasciato nel cestino: %2</translation>
    </message>
    <message>
        <source>Not deleted on the server: %1 (%2)</source>
        <translation>Non eliminato sul server: %1 (%2)</translation>
    </message>
    <message>
        <source>no saved connection &quot;%1&quot;</source>
        <translation>nessuna connessione salvata «%1»</translation>
    </message>
    <message>
        <source>the connection &quot;%1&quot; has no saved password</source>
        <translation>la connessione «%1» non ha una password salvata</translation>
    </message>
    <message>
        <source>Deleted %1 on the server of %2</source>
        <translation>%1 eliminato sul server di %2</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>General Info</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Date Written:</source>
        <translation>Data di creazione:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sito web:</translation>
    </message>
    <message>
        <source>Powered By:</source>
        <translation>Basato su:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrizione:</translation>
    </message>
    <message>
        <source>Terms and Conditions</source>
        <translation>Termini e condizioni</translation>
    </message>
    <message>
        <source>Imagemagick License</source>
        <translation>Licenza Imagemagick</translation>
    </message>
    <message>
        <source>Make Donation...</source>
        <translation>Fai una donazione...</translation>
    </message>
    <message>
        <source>Submit Feedback</source>
        <translation>Invia commenti</translation>
    </message>
    <message>
        <source>Submit feedback/review of VEXL online.</source>
        <translation>Invia online commenti o recensioni su VEXL.</translation>
    </message>
    <message>
        <source>Report Bug/Error</source>
        <translation>Segnala un errore</translation>
    </message>
    <message>
        <source>Got an error? I want to know about it! Report it online here.</source>
        <translation>Hai trovato un errore? Voglio saperlo! Segnalalo qui online.</translation>
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
        <translation>Si è verificato un errore!</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>Codice:</translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Descrizione: </translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Dettagli:</translation>
    </message>
    <message>
        <source>Send Error Infomation to Bug Reporter</source>
        <translation>Invia i dettagli dell&apos;errore allo sviluppatore</translation>
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
        <translation>Configura connessioni FTP</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Select a connection name in above list and click this button to remove it.</source>
        <translation>Seleziona un nome di connessione nell&apos;elenco qui sopra e fai clic su questo pulsante per rimuoverla.</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Prova</translation>
    </message>
    <message>
        <source>Test the connection by connecting to it with details given.</source>
        <translation>Prova la connessione collegandosi con i dati indicati.</translation>
    </message>
    <message>
        <source>Connection Name:</source>
        <translation>Nome connessione:</translation>
    </message>
    <message>
        <source>Enter a unique and desciptive name for the FTP connection.</source>
        <translation>Inserisci un nome univoco e descrittivo per la connessione FTP.</translation>
    </message>
    <message>
        <source>&amp;Connection</source>
        <translation>&amp;Connessione</translation>
    </message>
    <message>
        <source>Server Hostname/IP:</source>
        <translation>Nome host/IP del server:</translation>
    </message>
    <message>
        <source>The hostname or the IP address of the FTP server to upload images to.</source>
        <translation>Il nome host o l&apos;indirizzo IP del server FTP su cui caricare le immagini.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>The port number of the FTP server to upload images to. Default is 21.</source>
        <translation>Il numero di porta del server FTP su cui caricare le immagini. Il valore predefinito è 21.</translation>
    </message>
    <message>
        <source>Use Passive Mode</source>
        <translation>Usa modalità passiva</translation>
    </message>
    <message>
        <source>Check to use passive mode (PASV) rather than active mode (PORT).</source>
        <translation>Spunta per usare la modalità passiva (PASV) anziché quella attiva (PORT).</translation>
    </message>
    <message>
        <source>Timeout (Seconds):</source>
        <translation>Timeout (secondi):</translation>
    </message>
    <message>
        <source>If the server doesn&apos;t respond within the specified time, connection is canceled.</source>
        <translation>Se il server non risponde entro il tempo indicato, la connessione viene annullata.</translation>
    </message>
    <message>
        <source>&amp;Default Path</source>
        <translation>Percorso pre&amp;definito</translation>
    </message>
    <message>
        <source>The path of the directory on the FTP server to upload images into. This can be changed when selecting the connection as the output.</source>
        <translation>Il percorso della cartella sul server FTP in cui caricare le immagini. Si può cambiare quando si sceglie la connessione come destinazione.</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Accesso</translation>
    </message>
    <message>
        <source>Annonymous</source>
        <translation>Anonimo</translation>
    </message>
    <message>
        <source>Check if connection is for an annonymous server (i.e. no username or password).</source>
        <translation>Spunta se la connessione è verso un server anonimo (cioè senza nome utente né password).</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>The username to use when logging onto the FTP server.</source>
        <translation>Il nome utente da usare per accedere al server FTP.</translation>
    </message>
    <message>
        <source>Save Password:</source>
        <translation>Salva password:</translation>
    </message>
    <message>
        <source>Check to allow the password to be stored for connection. Means the username/password won&apos;t be asked for when connecting to FTP server. Passwords are stored using encryption.</source>
        <translation>Spunta per memorizzare la password della connessione. Così nome utente e password non verranno chiesti quando ci si collega al server FTP. Le password vengono salvate cifrate.</translation>
    </message>
    <message>
        <source>The password to use when logging onto the FTP server. If not specified, password will be asked on each connection attempt.</source>
        <translation>La password da usare per accedere al server FTP. Se non è indicata, verrà chiesta a ogni tentativo di connessione.</translation>
    </message>
    <message>
        <source>&amp;Save/Add</source>
        <translation>&amp;Salva/Aggiungi</translation>
    </message>
    <message>
        <source>Save selected connection or add new connection to list.</source>
        <translation>Salva la connessione selezionata o aggiunge una nuova connessione all&apos;elenco.</translation>
    </message>
</context>
<context>
    <name>frmFTPLogin</name>
    <message>
        <source>Server Login</source>
        <translation>Accesso al server</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>&amp;Remember Username &amp;&amp; Password</source>
        <translation>&amp;Ricorda nome utente &amp;&amp; password</translation>
    </message>
    <message>
        <source>Check if you want the above username and password to be stored for this connection. This will mean you wont have to enter login details again.</source>
        <translation>Spunta se vuoi memorizzare nome utente e password qui sopra per questa connessione. Così non dovrai più inserire i dati di accesso.</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Accedi</translation>
    </message>
    <message>
        <source>Press to login to server using username/password above.</source>
        <translation>Premi per accedere al server con il nome utente e la password qui sopra.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>Press to cancel connection to server.</source>
        <translation>Premi per annullare la connessione al server.</translation>
    </message>
</context>
<context>
    <name>frmFTPSelectOutputDir</name>
    <message>
        <source>Select FTP Output Directory</source>
        <translation>Seleziona cartella di destinazione FTP</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Ultima modifica</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permessi</translation>
    </message>
    <message>
        <source>Create Directory...</source>
        <translation>Crea cartella...</translation>
    </message>
    <message>
        <source>Press to create a new directory in above directory.</source>
        <translation>Premi per creare una nuova cartella nella cartella qui sopra.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Press to select output directory and return to main screen.</source>
        <translation>Premi per scegliere la cartella di destinazione e tornare alla finestra principale.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Press to cancel selection of directory.</source>
        <translation>Premi per annullare la scelta della cartella.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Rinomina...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Elimina...</translation>
    </message>
    <message>
        <source>&amp;Create New Directory...</source>
        <translation>&amp;Crea nuova cartella...</translation>
    </message>
</context>
<context>
    <name>frmFTPTest</name>
    <message>
        <source>Test FTP Connection</source>
        <translation>Prova connessione FTP</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Cancel connection test/close window.</source>
        <translation>Annulla la prova di connessione o chiude la finestra.</translation>
    </message>
</context>
<context>
    <name>frmGo</name>
    <message>
        <source>Processing Images</source>
        <translation>Elaborazione immagini</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Immagine:</translation>
    </message>
    <message>
        <source>Scene:</source>
        <translation>Scena:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>FTP</source>
        <translation>FTP</translation>
    </message>
    <message>
        <source>Stop Processing Images</source>
        <translation>Interrompi elaborazione</translation>
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
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Rotate Image</source>
        <translation>Ruota immagine</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>De-Select</source>
        <translation>Deseleziona</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Animated to Non-Animated</source>
        <translation>Da animata a statica</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>FTP Connections...</source>
        <translation>Connessioni FTP...</translation>
    </message>
    <message>
        <source>Visit Quillmere...</source>
        <translation>Visita Quillmere...</translation>
    </message>
    <message>
        <source>Get VEXL Professional...</source>
        <translation>Ottieni VEXL Professional...</translation>
    </message>
    <message>
        <source>Make Donation...</source>
        <translation>Fai una donazione...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>Flip Image Horizontally</source>
        <translation>Rifletti immagine in orizzontale</translation>
    </message>
    <message>
        <source>Flip Image Vertically</source>
        <translation>Rifletti immagine in verticale</translation>
    </message>
    <message>
        <source>Invert Image Colours</source>
        <translation>Inverti i colori dell&apos;immagine</translation>
    </message>
    <message>
        <source>Greyscale Image</source>
        <translation>Converti in scala di grigi</translation>
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
        <translation>Elimina immagine</translation>
    </message>
    <message>
        <source>Delete Checked Images</source>
        <translation>Elimina immagini spuntate</translation>
    </message>
    <message>
        <source>Recurse Subdirectories</source>
        <translation>Includi sottocartelle</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutte</translation>
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
        <translation>Secondo un modello...</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Inverti selezione</translation>
    </message>
    <message>
        <source>Preview Images</source>
        <translation>Anteprima immagini</translation>
    </message>
    <message>
        <source>Tooltips</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>Enable Explorer Context Menu</source>
        <translation>Attiva menu contestuale di Esplora risorse</translation>
    </message>
    <message>
        <source>Extract 1st Scene</source>
        <translation>Estrai la 1ª scena</translation>
    </message>
    <message>
        <source>Extract All Scenes (Append Scene Number)</source>
        <translation>Estrai tutte le scene (aggiungi il numero di scena)</translation>
    </message>
    <message>
        <source>English (Default)</source>
        <translation>English (predefinito)</translation>
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
        <translation>Italiano (traduzione in attesa)</translation>
    </message>
    <message>
        <source>Nederlands</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Submit...</source>
        <translation>Invia...</translation>
    </message>
    <message>
        <source>Grey (Default)</source>
        <translation>Grigio (predefinito)</translation>
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
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Blue Grey</source>
        <translation>Grigio azzurro</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Clear All Settings</source>
        <translation>Ripristina tutte le impostazioni</translation>
    </message>
    <message>
        <source>Image Width</source>
        <translation>Larghezza immagine</translation>
    </message>
    <message>
        <source>Image Height</source>
        <translation>Altezza immagine</translation>
    </message>
    <message>
        <source>Number of Megapixels</source>
        <translation>Numero di megapixel</translation>
    </message>
    <message>
        <source>Number of Unique Colours</source>
        <translation>Numero di colori distinti</translation>
    </message>
    <message>
        <source>Filename (without extension)</source>
        <translation>Nome file (senza estensione)</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translation>Estensione file</translation>
    </message>
    <message>
        <source>File Size (with units)</source>
        <translation>Dimensione file (con unità)</translation>
    </message>
    <message>
        <source>Sequential Number</source>
        <translation>Numero progressivo</translation>
    </message>
    <message>
        <source>Number of Selected Images</source>
        <translation>Numero di immagini selezionate</translation>
    </message>
    <message>
        <source>Set Foreground (Text) Colour...</source>
        <translation>Colore di primo piano (testo)...</translation>
    </message>
    <message>
        <source>To Colour...</source>
        <translation>Scegli colore...</translation>
    </message>
    <message>
        <source>To Transparent</source>
        <translation>Trasparente</translation>
    </message>
    <message>
        <source>List of images to process. Un-check any images you don&apos;t want to process. Double-click to open the image.</source>
        <translation>Elenco delle immagini da elaborare. Togli la spunta alle immagini che non vuoi elaborare. Fai doppio clic per aprire l&apos;immagine.</translation>
    </message>
    <message>
        <source>Loading List...</source>
        <translation>Caricamento elenco...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Tick every image.</source>
        <translation>Spunta tutte le immagini.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Untick every image.</source>
        <translation>Toglie la spunta a tutte le immagini.</translation>
    </message>
    <message>
        <source>View Picture</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>What the selected image on the left looks like.</source>
        <translation>L&apos;aspetto dell&apos;immagine selezionata a sinistra.</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Caricamento...</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>The method in which to resize the images.</source>
        <translation>Il modo in cui ridimensionare le immagini.</translation>
    </message>
    <message>
        <source>Don&apos;t Resize</source>
        <translation>Non ridimensionare</translation>
    </message>
    <message>
        <source>Restrict Width &amp; Height</source>
        <translation>Limita dimensioni</translation>
    </message>
    <message>
        <source>Restrict Width</source>
        <translation>Limita larghezza</translation>
    </message>
    <message>
        <source>Restrict Height</source>
        <translation>Limita altezza</translation>
    </message>
    <message>
        <source>Fix to Size</source>
        <translation>Dimensione fissa</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largh.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>The width of the output image.</source>
        <translation>La larghezza dell&apos;immagine finale.</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>The height of the output image.</source>
        <translation>L&apos;altezza dell&apos;immagine finale.</translation>
    </message>
    <message>
        <source>Check to resize the image to dimensions that are proportional to the image&apos;s original size.</source>
        <translation>Spunta per indicare le dimensioni in percentuale rispetto alla dimensione originale dell&apos;immagine.</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varie</translation>
    </message>
    <message>
        <source>Antialias</source>
        <translation>Antialiasing</translation>
    </message>
    <message>
        <source>Antialias the image.</source>
        <translation>Applica l&apos;antialiasing all&apos;immagine.</translation>
    </message>
    <message>
        <source>Bevel</source>
        <translation>Smusso</translation>
    </message>
    <message>
        <source>Apply the bevel effect to the image.</source>
        <translation>Applica l&apos;effetto smusso all&apos;immagine.</translation>
    </message>
    <message>
        <source>The width of the bevel in pixels.</source>
        <translation>La larghezza dello smusso in pixel.</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Rotate the image clockwise (1 to 359 degrees).</source>
        <translation>Ruota l&apos;immagine in senso orario (da 1 a 359 gradi).</translation>
    </message>
    <message>
        <source>The degrees in which to rotate the image clockwise.</source>
        <translation>Di quanti gradi ruotare l&apos;immagine in senso orario.</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Gradi</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Rifletti in orizzontale</translation>
    </message>
    <message>
        <source>Reflect the image in the horizontal direction (left becomes right, right becomes left).</source>
        <translation>Riflette l&apos;immagine in orizzontale (la sinistra diventa destra, la destra diventa sinistra).</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Rifletti in verticale</translation>
    </message>
    <message>
        <source>Reflect the image in the vertical direction (top becomes bottom, bottom becomes top).</source>
        <translation>Riflette l&apos;immagine in verticale (l&apos;alto diventa basso, il basso diventa alto).</translation>
    </message>
    <message>
        <source>Invert Colours</source>
        <translation>Inverti colori</translation>
    </message>
    <message>
        <source>Inverts the colours of the image (black becomes white, etc.).</source>
        <translation>Inverte i colori dell&apos;immagine (il nero diventa bianco, ecc.).</translation>
    </message>
    <message>
        <source>Greyscale</source>
        <translation>Scala di grigi</translation>
    </message>
    <message>
        <source>Convert the image to shades of grey (no colour).</source>
        <translation>Converte l&apos;immagine in toni di grigio (senza colore).</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Prefisso:</translation>
    </message>
    <message>
        <source>Text to put at the start of the filename.</source>
        <translation>Testo da inserire all&apos;inizio del nome del file.</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Insert a meta variable (data about the image) into the prefix.</source>
        <translation>Inserisce una metavariabile (dati sull&apos;immagine) nel prefisso.</translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation>Suffisso:</translation>
    </message>
    <message>
        <source>Text to put at the end of the filename.</source>
        <translation>Testo da inserire alla fine del nome del file.</translation>
    </message>
    <message>
        <source>Insert a meta variable (data about the image) into the suffix.</source>
        <translation>Inserisce una metavariabile (dati sull&apos;immagine) nel suffisso.</translation>
    </message>
    <message>
        <source>Select how you want to change the case of the filenames.</source>
        <translation>Scegli come cambiare maiuscole e minuscole nei nomi dei file.</translation>
    </message>
    <message>
        <source>UncHanGEd cAse</source>
        <translation>NoN mOdIfIcAtO</translation>
    </message>
    <message>
        <source>to lower-case</source>
        <translation>in minuscolo</translation>
    </message>
    <message>
        <source>TO UPPER-CASE</source>
        <translation>IN MAIUSCOLO</translation>
    </message>
    <message>
        <source>First letter case</source>
        <translation>Prima lettera maiuscola</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Iniziali Maiuscole</translation>
    </message>
    <message>
        <source>tOGGLE cASE</source>
        <translation>iNVERTI mAIUSCOLE</translation>
    </message>
    <message>
        <source>Specify what to do with underscores and spaces in filenames</source>
        <translation>Indica cosa fare con trattini bassi e spazi nei nomi dei file</translation>
    </message>
    <message>
        <source>Spaces &amp; Underscores</source>
        <translation>Spazi e trattini bassi</translation>
    </message>
    <message>
        <source>Replace &quot; &quot; with &quot;_&quot;</source>
        <translation>Cambia &quot; &quot; in &quot;_&quot;</translation>
    </message>
    <message>
        <source>Replace &quot;_&quot; with &quot; &quot;</source>
        <translation>Cambia &quot;_&quot; in &quot; &quot;</translation>
    </message>
    <message>
        <source>Remove &quot;_&quot;</source>
        <translation>Rimuovi &quot;_&quot;</translation>
    </message>
    <message>
        <source>Remove &quot; &quot;</source>
        <translation>Rimuovi &quot; &quot;</translation>
    </message>
    <message>
        <source>Remove &quot; &quot; And &quot;_&quot;</source>
        <translation>Rimuovi &quot; &quot; e &quot;_&quot;</translation>
    </message>
    <message>
        <source>Sequential Number:</source>
        <translation>Numero progressivo:</translation>
    </message>
    <message>
        <source>Rename the files with using a number that increments for each file.</source>
        <translation>Rinomina i file con un numero che aumenta a ogni file.</translation>
    </message>
    <message>
        <source>Start With:</source>
        <translation>Inizia da:</translation>
    </message>
    <message>
        <source>The number to start the increments from.</source>
        <translation>Il numero da cui parte la numerazione.</translation>
    </message>
    <message>
        <source>Zero Fill:</source>
        <translation>Zeri iniziali:</translation>
    </message>
    <message>
        <source>Pad (left) the seqeuntial number with zeros. For example the number 22 would become 0022 if this field was set to 4. Set to 0 for no padding.</source>
        <translation>Riempie a sinistra il numero progressivo con zeri. Per esempio, con 4 in questo campo il numero 22 diventa 0022. Imposta 0 per non aggiungere zeri.</translation>
    </message>
    <message>
        <source>Text Overlay</source>
        <translation>Testo sovrapposto</translation>
    </message>
    <message>
        <source>Stamp With Text:</source>
        <translation>Timbra con testo:</translation>
    </message>
    <message>
        <source>Check to stamp/label the image with the text specified below.</source>
        <translation>Spunta per timbrare l&apos;immagine con il testo indicato sotto.</translation>
    </message>
    <message>
        <source>The text to put over the image. Right-click to add meta variables.</source>
        <translation>Il testo da sovrapporre all&apos;immagine. Clic destro per aggiungere metavariabili.</translation>
    </message>
    <message>
        <source>Insert a meta variable (data about the image) into the text.</source>
        <translation>Inserisce una metavariabile (dati sull&apos;immagine) nel testo.</translation>
    </message>
    <message>
        <source>The position of the text to overlay</source>
        <translation>La posizione del testo sovrapposto</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Alto a sx</translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>Alto a dx</translation>
    </message>
    <message>
        <source>Middle Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Middle Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Middle Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Basso a sx</translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Basso a dx</translation>
    </message>
    <message>
        <source>Click to change the text font and size.</source>
        <translation>Fai clic per cambiare il carattere e la dimensione del testo.</translation>
    </message>
    <message>
        <source>Select the foreground and background text colours.</source>
        <translation>Scegli i colori di primo piano e di sfondo del testo.</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>The folder that all processed images will be put in.</source>
        <translation>La cartella in cui verranno salvate tutte le immagini elaborate.</translation>
    </message>
    <message>
        <source>Click to browse for the output folder.</source>
        <translation>Fai clic per scegliere la cartella di destinazione.</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Select the image&apos;s output format. If you want them to remain the same, select &apos;Don&apos;t Change&apos;.</source>
        <translation>Scegli il formato di uscita delle immagini. Per lasciarlo com&apos;è, scegli &quot;Invariato&quot;.</translation>
    </message>
    <message>
        <source>Don&apos;t Change</source>
        <translation>Invariato</translation>
    </message>
    <message>
        <source>The output quality of the JPG and PNG images, from 1 to 100. Default is 75%. If any JPG or PNG  image is processed, this value is used.</source>
        <translation>La qualità di uscita delle immagini JPG e PNG, da 1 a 100. Il valore predefinito è 75%. Si applica a ogni immagine JPG o PNG elaborata.</translation>
    </message>
    <message>
        <source>Replicate Subdirectory Stucture</source>
        <translation>Replica sottocartelle</translation>
    </message>
    <message>
        <source>If checked, images will be placed in the same sub-directories as the target folder. If they don&apos;t exist they will be created. Otherwise ALL images are places in the above directory.</source>
        <translation>Se spuntata, le immagini vengono messe nelle stesse sottocartelle che hanno nella cartella di origine; quelle mancanti vengono create. Altrimenti TUTTE le immagini vanno nella cartella indicata sopra.</translation>
    </message>
    <message>
        <source>Delete Original Images</source>
        <translation>Elimina originali</translation>
    </message>
    <message>
        <source>If checked, images will be processed and the original will be deleted.</source>
        <translation>Se spuntata, le immagini vengono elaborate e gli originali eliminati.</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>About VEXL Dovo.</source>
        <translation>Informazioni su VEXL Dovo.</translation>
    </message>
    <message>
        <source>www</source>
        <translation>www</translation>
    </message>
    <message>
        <source>Visit the Quillmere website for updates, new software &amp; freeware etc.</source>
        <translation>Visita il sito web di Quillmere per aggiornamenti, nuovo software, freeware ecc.</translation>
    </message>
    <message>
        <source>Start &gt;&gt;&gt;</source>
        <translation>Avvia &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Process the images with the settings specified above.</source>
        <translation>Elabora le immagini con le impostazioni indicate sopra.</translation>
    </message>
    <message>
        <source>Capture Date (YYYY-MM-DD)</source>
        <translation>Data di scatto (AAAA-MM-GG)</translation>
    </message>
    <message>
        <source>Capture Time (HH-MM-SS)</source>
        <translation>Ora di scatto (HH-MM-SS)</translation>
    </message>
    <message>
        <source>Camera Make and Model</source>
        <translation>Marca e modello della fotocamera</translation>
    </message>
    <message>
        <source>Original Filename</source>
        <translation>Nome file originale</translation>
    </message>
    <message>
        <source>Only Shrink</source>
        <translation>Solo riduci</translation>
    </message>
    <message>
        <source>Resize only images that are larger than the given size; smaller images keep their size.</source>
        <translation>Ridimensiona solo le immagini più grandi della dimensione indicata; quelle più piccole mantengono la loro dimensione.</translation>
    </message>
    <message>
        <source>Auto-Rotate by Camera Orientation</source>
        <translation>Ruota automaticamente secondo l&apos;orientamento della fotocamera</translation>
    </message>
    <message>
        <source>Turn photos upright as the camera recorded them, before any other operation.</source>
        <translation>Raddrizza le foto come registrato dalla fotocamera, prima di ogni altra operazione.</translation>
    </message>
    <message>
        <source>WEBP</source>
        <translation>WEBP</translation>
    </message>
    <message>
        <source>JPG/PNG/WebP Quality:</source>
        <translation>Qualità JPG/PNG/WebP:</translation>
    </message>
    <message>
        <source>Desktop Widget Style</source>
        <translation>Stile del desktop</translation>
    </message>
    <message>
        <source>Draw the controls in the desktop&apos;s own widget style instead of the built-in one (after a restart).</source>
        <translation>Disegna i controlli con lo stile proprio del desktop invece di quello integrato (dopo un riavvio).</translation>
    </message>
    <message>
        <source>Set Background Colour</source>
        <translation>Imposta colore di sfondo</translation>
    </message>
    <message>
        <source>Preview Names...</source>
        <translation>Anteprima dei nomi...</translation>
    </message>
    <message>
        <source>Show the name each ticked image will get, before anything is written.</source>
        <translation>Mostra il nome che riceverà ogni immagine spuntata, prima di scrivere qualsiasi cosa.</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... e altri %1</translation>
    </message>
    <message>
        <source>Settings files (*.ini);;All files (*)</source>
        <translation>File di impostazioni (*.ini);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>frmNamePreview</name>
    <message>
        <source>Name Preview</source>
        <translation>Anteprima dei nomi</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nuovo nome</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Start &gt;&gt;&gt;</source>
        <translation>Avvia &gt;&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>frmRunSummary</name>
    <message>
        <source>Image</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Cosa è successo</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Risposta</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Apri cartella di destinazione</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copia negli appunti</translation>
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
        <translation>Nuova cartella...</translation>
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
    <name>vexl::CFtpClient</name>
    <message>
        <source>The directory listing took too long.</source>
        <translation>L&apos;elenco della cartella ha richiesto troppo tempo.</translation>
    </message>
    <message>
        <source>The server ended the upload before the whole file was sent.</source>
        <translation>Il server ha terminato il caricamento prima che l&apos;intero file fosse inviato.</translation>
    </message>
    <message>
        <source>The directory listing is too long.</source>
        <translation>L&apos;elenco della cartella è troppo lungo.</translation>
    </message>
</context>
<context>
    <name>vexl::FtpBatchUpload</name>
    <message>
        <source>The folder &quot;%1&quot; contains a line break or a NUL character, which cannot be sent to an FTP server. Process Stopped.</source>
        <translation>La cartella &quot;%1&quot; contiene un a capo o un carattere NUL, che non può essere inviato a un server FTP. Elaborazione interrotta.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains a line break or a NUL character, which cannot be sent to an FTP server. Process Stopped.</source>
        <translation>Il nome del file &quot;%1&quot; contiene un a capo o un carattere NUL, che non può essere inviato a un server FTP. Elaborazione interrotta.</translation>
    </message>
    <message>
        <source>Re-opening the connection failed: %1</source>
        <translation>Riapertura della connessione non riuscita: %1</translation>
    </message>
    <message>
        <source>Removed the incomplete file %1 from the server.</source>
        <translation>Il file incompleto %1 è stato rimosso dal server.</translation>
    </message>
    <message>
        <source>Could not remove the incomplete file %1 from the server: %2</source>
        <translation>Impossibile rimuovere dal server il file incompleto %1: %2</translation>
    </message>
</context>
<context>
    <name>vexl::OutputPlanner</name>
    <message>
        <source>and %1 more</source>
        <translation>e altre %1</translation>
    </message>
    <message>
        <source>These images would overwrite another image or its result:</source>
        <translation>Queste immagini sovrascriverebbero un&apos;altra immagine o il suo risultato:</translation>
    </message>
    <message>
        <source>Do you want to skip them and process the others?</source>
        <translation>Vuoi saltarle ed elaborare le altre?</translation>
    </message>
</context>
<context>
    <name>vexl::frmFTPConnections</name>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must not contain control characters such as line breaks or tabs.</source>
        <translation>Il campo &quot;%1&quot; non deve contenere caratteri di controllo come a capo o tabulazioni.</translation>
    </message>
    <message>
        <source>The connection name &quot;%1&quot; must not contain &quot;//&quot;.</source>
        <translation>Il nome della connessione &quot;%1&quot; non deve contenere &quot;//&quot;.</translation>
    </message>
</context>
<context>
    <name>vexl::frmMain</name>
    <message>
        <source>%1 entries skipped (unusable names or paths too long)</source>
        <translation>%1 voci saltate (nomi inutilizzabili o percorsi troppo lunghi)</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Salva impostazioni con nome...</translation>
    </message>
    <message>
        <source>Load Settings...</source>
        <translation>Carica impostazioni...</translation>
    </message>
    <message>
        <source>Recent Presets</source>
        <translation>Preimpostazioni recenti</translation>
    </message>
    <message>
        <source>Undo Last Batch...</source>
        <translation>Annulla l&apos;ultimo lotto...</translation>
    </message>
    <message>
        <source>Save Settings As</source>
        <translation>Salva impostazioni con nome</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:
%2</source>
        <translation>Impossibile salvare le impostazioni in %1:
%2</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Carica impostazioni</translation>
    </message>
    <message>
        <source>The settings could not be loaded:
%1</source>
        <translation>Impossibile caricare le impostazioni:
%1</translation>
    </message>
    <message>
        <source>These values of %1 were refused; their fields keep what they held:</source>
        <translation>Questi valori di %1 sono stati rifiutati; i loro campi mantengono il contenuto precedente:</translation>
    </message>
    <message>
        <source>Undo Last Batch</source>
        <translation>Annulla l&apos;ultimo lotto</translation>
    </message>
</context>
<context>
    <name>vexl::frmNamePreview</name>
    <message>
        <source>No number left: the run stops here.</source>
        <translation>Nessun numero rimasto: l&apos;elaborazione si ferma qui.</translation>
    </message>
    <message>
        <source>One file per scene (# is the scene number).</source>
        <translation>Un file per scena (# è il numero della scena).</translation>
    </message>
    <message>
        <source>Values in [ ] are filled in from the result.</source>
        <translation>I valori tra [ ] vengono presi dal risultato.</translation>
    </message>
    <message>
        <source>Numbers skipped (name taken): %1</source>
        <translation>Numeri saltati (nome già in uso): %1</translation>
    </message>
    <message>
        <source>Name collision: an earlier image gets %1; this one is skipped if you go on.</source>
        <translation>Conflitto di nomi: un&apos;immagine precedente riceve %1; questa viene saltata se prosegui.</translation>
    </message>
    <message>
        <source>Name collision: %1 is another ticked image; this one is skipped if you go on.</source>
        <translation>Conflitto di nomi: %1 è un&apos;altra immagine spuntata; questa viene saltata se prosegui.</translation>
    </message>
    <message>
        <source>Name collision: %1 is another file; this one is skipped if you go on.</source>
        <translation>Conflitto di nomi: %1 è un altro file; questa viene saltata se prosegui.</translation>
    </message>
    <message>
        <source>The settings give no output name: %1</source>
        <translation>Le impostazioni non danno alcun nome di destinazione: %1</translation>
    </message>
    <message>
        <source>Images: %1, into %2</source>
        <translation>Immagini: %1, in %2</translation>
    </message>
    <message>
        <source>Name collisions (the run asks before it starts): %1</source>
        <translation>Conflitti di nomi (l&apos;elaborazione chiede prima di iniziare): %1</translation>
    </message>
    <message>
        <source>Numbers skipped because a file has that name: %1</source>
        <translation>Numeri saltati perché un file ha già quel nome: %1</translation>
    </message>
    <message>
        <source>Names completed from the result during the run: %1</source>
        <translation>Nomi completati dal risultato durante l&apos;elaborazione: %1</translation>
    </message>
</context>
<context>
    <name>vexl::frmRunSummary</name>
    <message>
        <source>No program is set up to open the folder %1.</source>
        <translation>Nessun programma è configurato per aprire la cartella %1.</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Apri cartella di destinazione</translation>
    </message>
</context>
</TS>
