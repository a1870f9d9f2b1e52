<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BatchRun</name>
    <message>
        <source>Overflow (count): at most 32767 images can be processed in one run</source>
        <translation>Desbordamiento (recuento): se pueden procesar como máximo 32767 imágenes en una ejecución</translation>
    </message>
    <message>
        <source>No result was published.</source>
        <translation>No se guardó ningún resultado.</translation>
    </message>
    <message>
        <source>Stopped: %1 images were not processed.</source>
        <translation>Detenido: %1 imágenes no se procesaron.</translation>
    </message>
    <message>
        <source>%1 images were not processed.</source>
        <translation>%1 imágenes no se procesaron.</translation>
    </message>
    <message>
        <source>Skipped %1: its result would overwrite another image or its result.</source>
        <translation>Se omitió %1: su resultado sobrescribiría otra imagen o su resultado.</translation>
    </message>
    <message>
        <source>No image was written.</source>
        <translation>No se escribió ninguna imagen.</translation>
    </message>
    <message>
        <source>%1 was replaced for good (no trash could take it: %2).</source>
        <translation>%1 se reemplazó definitivamente (ninguna papelera pudo aceptarlo: %2).</translation>
    </message>
    <message>
        <source>The name is taken by another image of this run or by its result.</source>
        <translation>El nombre ya lo usa otra imagen de esta ejecución o su resultado.</translation>
    </message>
    <message>
        <source>%1 was deleted for good (no trash could take it: %2).</source>
        <translation>%1 se eliminó definitivamente (ninguna papelera pudo aceptarlo: %2).</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Output in Same Folder</source>
        <translation>Salida en la misma carpeta</translation>
    </message>
    <message>
        <source>Output in Different Folder</source>
        <translation>Salida en otra carpeta</translation>
    </message>
    <message>
        <source>Configure FTP Servers...</source>
        <translation>Configurar servidores FTP...</translation>
    </message>
    <message>
        <source>Please select the connection to remove from list above!</source>
        <translation>¡Seleccione en la lista de arriba la conexión que desea quitar!</translation>
    </message>
    <message>
        <source>Are you sure you want to remove FTP connection &quot;[NAME]&quot;?</source>
        <translation>¿Seguro que desea quitar la conexión FTP &quot;[NAME]&quot;?</translation>
    </message>
    <message>
        <source>You must specify a connection name!</source>
        <translation>¡Debe indicar un nombre para la conexión!</translation>
    </message>
    <message>
        <source>You must specify a server hostname/IP!</source>
        <translation>¡Debe indicar el nombre de host o la IP del servidor!</translation>
    </message>
    <message>
        <source>Only letters (a-z, A-Z), numbers (1-9), periods (.) and hyphons (-) are allowed for server hostname/IP!</source>
        <translation>¡En el nombre de host o la IP del servidor solo se admiten letras (a-z, A-Z), números (0-9), puntos (.) y guiones (-)!</translation>
    </message>
    <message>
        <source>You must specify a valid port number! Default is 21.</source>
        <translation>¡Debe indicar un número de puerto válido! El predeterminado es 21.</translation>
    </message>
    <message>
        <source>You must specify a username if annonymous not selected!</source>
        <translation>¡Debe indicar un nombre de usuario si no ha marcado &quot;Anónimo&quot;!</translation>
    </message>
    <message>
        <source>Connection name &quot;[NAME]&quot; already exists! Please select another name.</source>
        <translation>¡El nombre de conexión &quot;[NAME]&quot; ya existe! Elija otro nombre.</translation>
    </message>
    <message>
        <source>No connection for name &quot;[NAME]&quot;!</source>
        <translation>¡No hay ninguna conexión con el nombre &quot;[NAME]&quot;!</translation>
    </message>
    <message>
        <source>Please select a connection from the list above to test.</source>
        <translation>Seleccione en la lista de arriba la conexión que desea probar.</translation>
    </message>
    <message>
        <source>New Directory Name: </source>
        <translation>Nombre del nuevo directorio: </translation>
    </message>
    <message>
        <source>Enter New Directory Name</source>
        <translation>Nombre del nuevo directorio</translation>
    </message>
    <message>
        <source>New Directory</source>
        <translation>Nuevo directorio</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Última modificación</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permisos</translation>
    </message>
    <message>
        <source>FTP Connection Error: </source>
        <translation>Error de conexión FTP: </translation>
    </message>
    <message>
        <source>FTP Connection Canceled.</source>
        <translation>Conexión FTP cancelada.</translation>
    </message>
    <message>
        <source>FTP Connection to server &quot;[SERVER]&quot; timed out!</source>
        <translation>¡Se agotó el tiempo de espera de la conexión FTP con el servidor &quot;[SERVER]&quot;!</translation>
    </message>
    <message>
        <source>Error creating directory: </source>
        <translation>Error al crear el directorio: </translation>
    </message>
    <message>
        <source>Go to parent directory</source>
        <translation>Ir al directorio superior</translation>
    </message>
    <message>
        <source>Error removing directory: </source>
        <translation>Error al eliminar el directorio: </translation>
    </message>
    <message>
        <source>Error renaming directory: </source>
        <translation>Error al cambiar el nombre del directorio: </translation>
    </message>
    <message>
        <source>Rename &quot;[OLDDIRPATH]&quot; To: </source>
        <translation>Cambiar el nombre de &quot;[OLDDIRPATH]&quot; a: </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the directory:\n\n[DIRECTORY]?\n\nDirectory must be empty.</source>
        <translation>¿Seguro que desea eliminar el directorio:\n\n[DIRECTORY]?\n\nEl directorio debe estar vacío.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>The control connection is closed</source>
        <translation>La conexión de control está cerrada</translation>
    </message>
    <message>
        <source>Connecting to [SERVER]...</source>
        <translation>Conectando con [SERVER]...</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Authentication in progress...</source>
        <translation>Autenticación en curso...</translation>
    </message>
    <message>
        <source>User has been logged in successfully</source>
        <translation>El usuario ha iniciado sesión correctamente</translation>
    </message>
    <message>
        <source>Changing current directory...</source>
        <translation>Cambiando el directorio actual...</translation>
    </message>
    <message>
        <source>Deleting file...</source>
        <translation>Eliminando el archivo...</translation>
    </message>
    <message>
        <source>Removing directory...</source>
        <translation>Eliminando el directorio...</translation>
    </message>
    <message>
        <source>Creating directory...</source>
        <translation>Creando el directorio...</translation>
    </message>
    <message>
        <source>Renaming file...</source>
        <translation>Cambiando el nombre del archivo...</translation>
    </message>
    <message>
        <source>Establishing data connection...</source>
        <translation>Estableciendo la conexión de datos...</translation>
    </message>
    <message>
        <source>Data connection established</source>
        <translation>Conexión de datos establecida</translation>
    </message>
    <message>
        <source>Retrieving directory info...</source>
        <translation>Obteniendo el contenido del directorio...</translation>
    </message>
    <message>
        <source>Directory info retrieved</source>
        <translation>Contenido del directorio obtenido</translation>
    </message>
    <message>
        <source>Download in progress...</source>
        <translation>Descarga en curso...</translation>
    </message>
    <message>
        <source>Download complete</source>
        <translation>Descarga completada</translation>
    </message>
    <message>
        <source>Upload in progress...</source>
        <translation>Subida en curso...</translation>
    </message>
    <message>
        <source>Upload complete</source>
        <translation>Subida completada</translation>
    </message>
    <message>
        <source>FTP Connection &quot;[NAME]&quot; OK.</source>
        <translation>La conexión FTP &quot;[NAME]&quot; funciona.</translation>
    </message>
    <message>
        <source>Error listing files: </source>
        <translation>Error al listar los archivos: </translation>
    </message>
    <message>
        <source>Error accessing path &quot;[PATH]&quot;!</source>
        <translation>¡Error al acceder a la ruta &quot;[PATH]&quot;!</translation>
    </message>
    <message>
        <source>Transferring &quot;[FILE]&quot; to FTP Server...</source>
        <translation>Transfiriendo &quot;[FILE]&quot; al servidor FTP...</translation>
    </message>
    <message>
        <source>FTP Client Busy, Waiting...</source>
        <translation>Cliente FTP ocupado, esperando...</translation>
    </message>
    <message>
        <source>FTP Upload Error, Process Stopped: </source>
        <translation>Error en la subida FTP, proceso detenido: </translation>
    </message>
    <message>
        <source>FTP Upload Timed Out. Process Stopped.</source>
        <translation>Se agotó el tiempo de la subida FTP. Proceso detenido.</translation>
    </message>
    <message>
        <source>FTP Upload Canceled. Process Stopped.</source>
        <translation>Subida FTP cancelada. Proceso detenido.</translation>
    </message>
    <message>
        <source>Login details not given. Ending process.</source>
        <translation>No se han indicado los datos de inicio de sesión. Finalizando el proceso.</translation>
    </message>
    <message>
        <source>The FTP connection has closed. Do you want to re-open it and continue?</source>
        <translation>La conexión FTP se ha cerrado. ¿Desea volver a abrirla y continuar?</translation>
    </message>
    <message>
        <source>Connection Remove Error: Name could not be found!</source>
        <translation>Error al quitar la conexión: ¡no se encontró el nombre!</translation>
    </message>
    <message>
        <source>Login failed for [NUMATTEMPTS] attempts.</source>
        <translation>El inicio de sesión ha fallado tras [NUMATTEMPTS] intentos.</translation>
    </message>
    <message>
        <source>Username/Password Incorrect. Do you want to retry?</source>
        <translation>Usuario o contraseña incorrectos. ¿Desea volver a intentarlo?</translation>
    </message>
    <message>
        <source>Connecting to server (timeout in [TIMEOUT] seconds)...</source>
        <translation>Conectando con el servidor (tiempo de espera: [TIMEOUT] segundos)...</translation>
    </message>
    <message>
        <source>Current Directory: </source>
        <translation>Directorio actual: </translation>
    </message>
    <message>
        <source>Error setting directory to path &quot;[PATH]&quot;. Exiting process.</source>
        <translation>Error al cambiar al directorio &quot;[PATH]&quot;. Finalizando el proceso.</translation>
    </message>
    <message>
        <source>Error creating directory &quot;[PATH]&quot;. Exiting Process.</source>
        <translation>Error al crear el directorio &quot;[PATH]&quot;. Finalizando el proceso.</translation>
    </message>
    <message>
        <source>(Preview Disabled)</source>
        <translation>(Vista previa desactivada)</translation>
    </message>
    <message>
        <source>Could not overlay text to on image &quot;[IMAGE]&quot;! Do you want to continue processing images?</source>
        <translation>¡No se pudo superponer el texto en la imagen &quot;[IMAGE]&quot;! ¿Desea seguir procesando imágenes?</translation>
    </message>
    <message>
        <source>Could not greyscale image &quot;[IMAGE]&quot; because:</source>
        <translation>No se pudo convertir la imagen &quot;[IMAGE]&quot; a escala de grises. Motivo:</translation>
    </message>
    <message>
        <source>Could not invert colours of image &quot;[IMAGE]&quot; because:</source>
        <translation>No se pudieron invertir los colores de la imagen &quot;[IMAGE]&quot;. Motivo:</translation>
    </message>
    <message>
        <source>There is an IMMINENT possibility that output images will overwrite selected images.\nAre you sure you want to continue?\n\nPress &apos;Cancel&apos; to never see this message again, and continue.</source>
        <translation>Hay un riesgo INMINENTE de que las imágenes de salida sobrescriban imágenes seleccionadas.\n¿Seguro que desea continuar?\n\nPulse &quot;Cancelar&quot; para continuar y no volver a ver este mensaje.</translation>
    </message>
    <message>
        <source>There is a MEDIUM possibility that output images will overwrite selected images\n(The only differentiation is the spaces/undercores or extension, which is weak).\nAre you sure you want to continue?\n\nPress &apos;Cancel&apos; to never see this message again, and continue.</source>
        <translation>Hay un riesgo MEDIO de que las imágenes de salida sobrescriban imágenes seleccionadas\n(solo se diferencian en los espacios/guiones bajos o en la extensión, lo cual es poco fiable).\n¿Seguro que desea continuar?\n\nPulse &quot;Cancelar&quot; para continuar y no volver a ver este mensaje.</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Escena</translation>
    </message>
    <message>
        <source>Could not retrive information on &quot;[IMAGE]&quot; because:\n[ERROR]\n\nDo you want to continue processing images?</source>
        <translation>No se pudo obtener información de &quot;[IMAGE]&quot;. Motivo:\n[ERROR]\n\n¿Desea seguir procesando imágenes?</translation>
    </message>
    <message>
        <source>In Folder: </source>
        <translation>En la carpeta: </translation>
    </message>
    <message>
        <source>Filename cannot contain the following characters: </source>
        <translation>El nombre de archivo no puede contener estos caracteres: </translation>
    </message>
    <message>
        <source>Could not make folder &quot;[FOLDER]&quot;\n\nFolder already exists!</source>
        <translation>No se pudo crear la carpeta &quot;[FOLDER]&quot;\n\n¡La carpeta ya existe!</translation>
    </message>
    <message>
        <source>Could not make folder &quot;[FOLDER]&quot;\n\n[ERROR]!</source>
        <translation>No se pudo crear la carpeta &quot;[FOLDER]&quot;\n\n[ERROR]</translation>
    </message>
    <message>
        <source>Orig. Size:</source>
        <translation>Tamaño orig.:</translation>
    </message>
    <message>
        <source>Batch Process Images...</source>
        <translation>Procesar imágenes por lotes...</translation>
    </message>
    <message>
        <source>Process Finished!</source>
        <translation>¡Proceso terminado!</translation>
    </message>
    <message>
        <source>Could not delete file &quot;[IMAGE]&quot; because:</source>
        <translation>No se pudo eliminar el archivo &quot;[IMAGE]&quot;. Motivo:</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;[IMAGE]&quot;</source>
        <translation>¿Seguro que desea eliminar &quot;[IMAGE]&quot;?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete these [NUM] images?</source>
        <translation>¿Seguro que desea eliminar estas [NUM] imágenes?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the checked image?</source>
        <translation>¿Seguro que desea eliminar la imagen marcada?</translation>
    </message>
    <message>
        <source>Could not flip image &quot;[IMAGE]&quot; because:</source>
        <translation>No se pudo voltear la imagen &quot;[IMAGE]&quot;. Motivo:</translation>
    </message>
    <message>
        <source>Could not rotate image &quot;[IMAGE]&quot; because:</source>
        <translation>No se pudo girar la imagen &quot;[IMAGE]&quot;. Motivo:</translation>
    </message>
    <message>
        <source>Cannot Access Location: </source>
        <translation>No se puede acceder a la ubicación: </translation>
    </message>
    <message>
        <source>A value is required in this field!</source>
        <translation>¡Este campo necesita un valor!</translation>
    </message>
    <message>
        <source>Only numbers are allowed into this field!</source>
        <translation>¡En este campo solo se admiten números!</translation>
    </message>
    <message>
        <source>Number not allowed to be 0!</source>
        <translation>¡El número no puede ser 0!</translation>
    </message>
    <message>
        <source>Error Loading: </source>
        <translation>Error al cargar: </translation>
    </message>
    <message>
        <source>Select Output Directory:</source>
        <translation>Seleccione la carpeta de salida:</translation>
    </message>
    <message>
        <source>Please Select at least 1 Image to Process!</source>
        <translation>¡Seleccione al menos 1 imagen para procesar!</translation>
    </message>
    <message>
        <source>Could not bevel image with a width of [WIDTH] pixels\nThe image may be too small for this bevel width.\n\nDo you want to continue processing images?</source>
        <translation>No se pudo aplicar a la imagen un bisel de [WIDTH] píxeles de ancho.\nPuede que la imagen sea demasiado pequeña para ese ancho de bisel.\n\n¿Desea seguir procesando imágenes?</translation>
    </message>
    <message>
        <source>Could not remove file &quot;[IMAGE]&quot;!\nDo you want to continue processing images?</source>
        <translation>¡No se pudo quitar el archivo &quot;[IMAGE]&quot;!\n¿Desea seguir procesando imágenes?</translation>
    </message>
    <message>
        <source>ImageMagick Encountered and Error When Doing this:\n[CURROP]\nDescription: [ERROR]\nThe file might be Read Only, Hidden or not an Image.\n\nDo you want to continue processing images?</source>
        <translation>ImageMagick encontró un error al hacer esto:\n[CURROP]\nDescripción: [ERROR]\nPuede que el archivo sea de solo lectura, esté oculto o no sea una imagen.\n\n¿Desea seguir procesando imágenes?</translation>
    </message>
    <message>
        <source>Could not copy &quot;[IMAGE1]&quot; to &quot;[IMAGE2]&quot;!\nDo you want to continue processing images?</source>
        <translation>¡No se pudo copiar &quot;[IMAGE1]&quot; en &quot;[IMAGE2]&quot;!\n¿Desea seguir procesando imágenes?</translation>
    </message>
    <message>
        <source>Stopping Process...</source>
        <translation>Deteniendo el proceso...</translation>
    </message>
    <message>
        <source>Stop Processing Images</source>
        <translation>Detener el procesamiento</translation>
    </message>
    <message>
        <source>Process stopping...</source>
        <translation>El proceso se está deteniendo...</translation>
    </message>
    <message>
        <source>Due to limitations in this function, styles such as:\n\nBold, Italic, Underline and Strikethru\n\nCannot be applied to images and have been ignored.</source>
        <translation>Debido a las limitaciones de esta función, estilos como:\n\nNegrita, Cursiva, Subrayado y Tachado\n\nno se pueden aplicar a las imágenes y se han omitido.</translation>
    </message>
    <message>
        <source>* - 0 or more characters (wildcard).\n? - Any single character.\n* - Zero or more characters.\n# - Any single digit (0 to 9).\n[charlist] - Any single character in charlist.\n[!charlist] - Any single character not in charlist.</source>
        <translation>* - 0 o más caracteres (comodín).\n? - Un carácter cualquiera.\n* - Cero o más caracteres.\n# - Un dígito cualquiera (de 0 a 9).\n[lista] - Un carácter cualquiera de la lista.\n[!lista] - Un carácter cualquiera que no esté en la lista.</translation>
    </message>
    <message>
        <source>Enter Pattern: </source>
        <translation>Escriba el patrón: </translation>
    </message>
    <message>
        <source>Select Images By Pattern</source>
        <translation>Seleccionar imágenes por patrón</translation>
    </message>
    <message>
        <source>De-Select Images By Pattern</source>
        <translation>Deseleccionar imágenes por patrón</translation>
    </message>
    <message>
        <source>The current image is about to be resized to over 6 megapixels ([DIMENSIONS]). This may cause the program to freeze as it is a very large image to process.\nYou might be resizing as a percentage accidently.\n\nPress yes to continue resizing. You will not see this warning again.\nPress no to skip image.\nPress cancel to end process.</source>
        <translation>La imagen actual está a punto de redimensionarse a más de 6 megapíxeles ([DIMENSIONS]). Puede que el programa se bloquee, porque es una imagen muy grande de procesar.\nQuizá esté redimensionando en porcentaje sin querer.\n\nPulse &quot;Sí&quot; para continuar con el redimensionado. No volverá a ver este aviso.\nPulse &quot;No&quot; para omitir la imagen.\nPulse &quot;Cancelar&quot; para terminar el proceso.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Error removing old image:\n[IMAGE]\n[ERROR]\n\nDo you want to continue?</source>
        <translation>Error al eliminar la imagen antigua:\n[IMAGE]\n[ERROR]\n\n¿Desea continuar?</translation>
    </message>
    <message>
        <source>Error creating directory:\n[DIR]\n\nDo you want to continue?</source>
        <translation>Error al crear la carpeta:\n[DIR]\n\n¿Desea continuar?</translation>
    </message>
    <message>
        <source>Process Aborted.</source>
        <translation>Proceso cancelado.</translation>
    </message>
    <message>
        <source>Processing Images</source>
        <translation>Procesando imágenes</translation>
    </message>
    <message>
        <source>You have selected to delete orignal images. These images can not be recovered.\nAre you sure you want to continue?\n\nPress &apos;Cancel&apos; to never see this message again, and continue.</source>
        <translation>Ha elegido eliminar las imágenes originales. Estas imágenes no se podrán recuperar.\n¿Seguro que desea continuar?\n\nPulse &quot;Cancelar&quot; para continuar y no volver a ver este mensaje.</translation>
    </message>
    <message>
        <source>Please close and restart VEXL for this to take effect.\n\nWhen ticked, the controls are drawn in the desktop&apos;s own widget style; otherwise in the built-in style.</source>
        <translation>Cierre y vuelva a iniciar VEXL para que el cambio surta efecto.\n\nSi está marcado, los controles se dibujan con el estilo propio del escritorio; si no, con el estilo integrado.</translation>
    </message>
    <message>
        <source>No program is set up to open images, so &quot;[FILE]&quot; could not be opened.\n\nChoose an image viewer in your desktop&apos;s default applications settings, then try again.</source>
        <translation>No hay ningún programa configurado para abrir imágenes, por lo que no se pudo abrir &quot;[FILE]&quot;.\n\nElija un visor de imágenes en la configuración de aplicaciones predeterminadas de su escritorio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>No program is set up to open web pages, so &quot;[URL]&quot; could not be opened.\n\nChoose a web browser in your desktop&apos;s default applications settings, then try again.</source>
        <translation>No hay ningún programa configurado para abrir páginas web, por lo que no se pudo abrir &quot;[URL]&quot;.\n\nElija un navegador web en la configuración de aplicaciones predeterminadas de su escritorio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Image workers run unconfined: this kernel offers no Landlock, so a hostile image could reach your files.</source>
        <translation>Los procesos de imagen se ejecutan sin restricciones: este kernel no ofrece Landlock, así que una imagen maliciosa podría llegar a sus archivos.</translation>
    </message>
    <message>
        <source>Image workers are confined to the run&apos;s folders, but this kernel&apos;s Landlock (ABI [ABI]) cannot keep them off the network.</source>
        <translation>Los procesos de imagen están limitados a las carpetas de la ejecución, pero el Landlock de este kernel (ABI [ABI]) no puede impedirles el acceso a la red.</translation>
    </message>
    <message>
        <source>Image workers run unconfined: VEXL_NO_SANDBOX is set.</source>
        <translation>Los procesos de imagen se ejecutan sin restricciones: VEXL_NO_SANDBOX está activado.</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>Done: %1</source>
        <translation>Hechas: %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Omitidas: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fallidas: %1</translation>
    </message>
    <message>
        <source>Deleted to trash: %1</source>
        <translation>Movidas a la papelera: %1</translation>
    </message>
    <message>
        <source>Uploaded: %1</source>
        <translation>Subidas: %1</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallida</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitida</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Not processed</source>
        <translation>No procesadas</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Respuesta: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
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
        <translation>ninguna papelera puede aceptar este archivo</translation>
    </message>
</context>
<context>
    <name>UndoBatch</name>
    <message>
        <source>Undo Last Batch</source>
        <translation>Deshacer el último lote</translation>
    </message>
    <message>
        <source>There is no batch to undo.</source>
        <translation>No hay ningún lote que deshacer.</translation>
    </message>
    <message>
        <source>Undo the last batch? This will:</source>
        <translation>¿Deshacer el último lote? Se hará lo siguiente:</translation>
    </message>
    <message>
        <source>The last batch was undone.</source>
        <translation>Se ha deshecho el último lote.</translation>
    </message>
    <message>
        <source>The last batch was undone, except what is listed as kept.</source>
        <translation>Se ha deshecho el último lote, salvo lo que figura como conservado.</translation>
    </message>
    <message>
        <source>Rename %1 back to %2</source>
        <translation>Volver a renombrar %1 como %2</translation>
    </message>
    <message>
        <source>Remove %1 and restore from the trash the file it replaced</source>
        <translation>Eliminar %1 y restaurar desde la papelera el archivo al que sustituyó</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Eliminar %1</translation>
    </message>
    <message>
        <source>Restore %1 from the trash</source>
        <translation>Restaurar %1 desde la papelera</translation>
    </message>
    <message>
        <source>Delete %1 on the server of %2</source>
        <translation>Borrar %1 en el servidor de %2</translation>
    </message>
    <message>
        <source>Kept %1: it changed or went since the batch</source>
        <translation>Se conserva %1: ha cambiado o desaparecido desde el lote</translation>
    </message>
    <message>
        <source>Kept %1: another file is at %2 now</source>
        <translation>Se conserva %1: ahora hay otro archivo en %2</translation>
    </message>
    <message>
        <source>Kept %1: %2</source>
        <translation>Se conserva %1: %2</translation>
    </message>
    <message>
        <source>Renamed %1 back to %2</source>
        <translation>%1 se ha vuelto a renombrar como %2</translation>
    </message>
    <message>
        <source>Already gone: %1</source>
        <translation>Ya no existe: %1</translation>
    </message>
    <message>
        <source>Kept %1: it changed since the batch</source>
        <translation>Se conserva %1: ha cambiado desde el lote</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>%1 eliminado</translation>
    </message>
    <message>
        <source>Kept %1: the file it replaced is not in the trash</source>
        <translation>Se conserva %1: el archivo al que sustituyó no está en la papelera</translation>
    </message>
    <message>
        <source>Removed %1 and restored the file it replaced</source>
        <translation>%1 eliminado y restaurado el archivo al que sustituyó</translation>
    </message>
    <message>
        <source>Restored %1 from the trash</source>
        <translation>%1 restaurado desde la papelera</translation>
    </message>
    <message>
        <source>Left %1 in the trash: another file is in its place</source>
        <translation>%1 se ha dejado en la papelera: hay otro archivo en su lugar</translation>
    </message>
    <message>
        <source>Could not restore %1: it is no longer in the trash</source>
        <translation>No se pudo restaurar %1: ya no está en la papelera</translation>
    </message>
    <message>
        <source>Left %1 in the trash: %2</source>
        <translation>%1 se ha dejado en la papelera: %2</translation>
    </message>
    <message>
        <source>Not deleted on the server: %1 (%2)</source>
        <translation>No se ha borrado en el servidor: %1 (%2)</translation>
    </message>
    <message>
        <source>no saved connection &quot;%1&quot;</source>
        <translation>no hay ninguna conexión guardada «%1»</translation>
    </message>
    <message>
        <source>the connection &quot;%1&quot; has no saved password</source>
        <translation>la conexión «%1» no tiene contraseña guardada</translation>
    </message>
    <message>
        <source>Deleted %1 on the server of %2</source>
        <translation>%1 borrado en el servidor de %2</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>General Info</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Date Written:</source>
        <translation>Fecha de creación:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sitio web:</translation>
    </message>
    <message>
        <source>Powered By:</source>
        <translation>Basado en:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Terms and Conditions</source>
        <translation>Términos y condiciones</translation>
    </message>
    <message>
        <source>Imagemagick License</source>
        <translation>Licencia de Imagemagick</translation>
    </message>
    <message>
        <source>Make Donation...</source>
        <translation>Hacer un donativo...</translation>
    </message>
    <message>
        <source>Submit Feedback</source>
        <translation>Enviar opinión</translation>
    </message>
    <message>
        <source>Submit feedback/review of VEXL online.</source>
        <translation>Envíe por Internet su opinión o valoración de VEXL.</translation>
    </message>
    <message>
        <source>Report Bug/Error</source>
        <translation>Informar de un error</translation>
    </message>
    <message>
        <source>Got an error? I want to know about it! Report it online here.</source>
        <translation>¿Ha encontrado un error? ¡Quiero saberlo! Infórmelo aquí por Internet.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmError</name>
    <message>
        <source>An Error Has Occured!</source>
        <translation>¡Se ha producido un error!</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>N.º:</translation>
    </message>
    <message>
        <source>Description: </source>
        <translation>Descripción: </translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Detalles:</translation>
    </message>
    <message>
        <source>Send Error Infomation to Bug Reporter</source>
        <translation>Enviar el informe de error al desarrollador</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmFTPConnections</name>
    <message>
        <source>Configure FTP Connections</source>
        <translation>Configurar conexiones FTP</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Select a connection name in above list and click this button to remove it.</source>
        <translation>Seleccione un nombre de conexión en la lista de arriba y pulse este botón para quitarla.</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Probar</translation>
    </message>
    <message>
        <source>Test the connection by connecting to it with details given.</source>
        <translation>Prueba la conexión conectándose con los datos indicados.</translation>
    </message>
    <message>
        <source>Connection Name:</source>
        <translation>Nombre de la conexión:</translation>
    </message>
    <message>
        <source>Enter a unique and desciptive name for the FTP connection.</source>
        <translation>Escriba un nombre único y descriptivo para la conexión FTP.</translation>
    </message>
    <message>
        <source>&amp;Connection</source>
        <translation>&amp;Conexión</translation>
    </message>
    <message>
        <source>Server Hostname/IP:</source>
        <translation>Host/IP del servidor:</translation>
    </message>
    <message>
        <source>The hostname or the IP address of the FTP server to upload images to.</source>
        <translation>El nombre de host o la dirección IP del servidor FTP al que se suben las imágenes.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>The port number of the FTP server to upload images to. Default is 21.</source>
        <translation>El número de puerto del servidor FTP al que se suben las imágenes. El predeterminado es 21.</translation>
    </message>
    <message>
        <source>Use Passive Mode</source>
        <translation>Usar modo pasivo</translation>
    </message>
    <message>
        <source>Check to use passive mode (PASV) rather than active mode (PORT).</source>
        <translation>Marque para usar el modo pasivo (PASV) en lugar del modo activo (PORT).</translation>
    </message>
    <message>
        <source>Timeout (Seconds):</source>
        <translation>Tiempo de espera (segundos):</translation>
    </message>
    <message>
        <source>If the server doesn&apos;t respond within the specified time, connection is canceled.</source>
        <translation>Si el servidor no responde en el tiempo indicado, se cancela la conexión.</translation>
    </message>
    <message>
        <source>&amp;Default Path</source>
        <translation>&amp;Ruta predeterminada</translation>
    </message>
    <message>
        <source>The path of the directory on the FTP server to upload images into. This can be changed when selecting the connection as the output.</source>
        <translation>La ruta del directorio del servidor FTP al que se suben las imágenes. Se puede cambiar al elegir la conexión como salida.</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Inicio de sesión</translation>
    </message>
    <message>
        <source>Annonymous</source>
        <translation>Anónimo</translation>
    </message>
    <message>
        <source>Check if connection is for an annonymous server (i.e. no username or password).</source>
        <translation>Marque si la conexión es con un servidor anónimo (es decir, sin usuario ni contraseña).</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>The username to use when logging onto the FTP server.</source>
        <translation>El nombre de usuario para iniciar sesión en el servidor FTP.</translation>
    </message>
    <message>
        <source>Save Password:</source>
        <translation>Guardar contraseña:</translation>
    </message>
    <message>
        <source>Check to allow the password to be stored for connection. Means the username/password won&apos;t be asked for when connecting to FTP server. Passwords are stored using encryption.</source>
        <translation>Marque para guardar la contraseña de la conexión. Así no se le pedirán el usuario ni la contraseña al conectarse al servidor FTP. Las contraseñas se guardan cifradas.</translation>
    </message>
    <message>
        <source>The password to use when logging onto the FTP server. If not specified, password will be asked on each connection attempt.</source>
        <translation>La contraseña para iniciar sesión en el servidor FTP. Si no se indica, se pedirá en cada intento de conexión.</translation>
    </message>
    <message>
        <source>&amp;Save/Add</source>
        <translation>&amp;Guardar/Añadir</translation>
    </message>
    <message>
        <source>Save selected connection or add new connection to list.</source>
        <translation>Guarda la conexión seleccionada o añade una conexión nueva a la lista.</translation>
    </message>
</context>
<context>
    <name>frmFTPLogin</name>
    <message>
        <source>Server Login</source>
        <translation>Inicio de sesión en el servidor</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>&amp;Remember Username &amp;&amp; Password</source>
        <translation>&amp;Recordar usuario &amp;&amp; contraseña</translation>
    </message>
    <message>
        <source>Check if you want the above username and password to be stored for this connection. This will mean you wont have to enter login details again.</source>
        <translation>Marque si desea guardar el usuario y la contraseña de arriba para esta conexión. Así no tendrá que volver a escribir los datos de inicio de sesión.</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Iniciar sesión</translation>
    </message>
    <message>
        <source>Press to login to server using username/password above.</source>
        <translation>Pulse para iniciar sesión en el servidor con el usuario y la contraseña de arriba.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Press to cancel connection to server.</source>
        <translation>Pulse para cancelar la conexión con el servidor.</translation>
    </message>
</context>
<context>
    <name>frmFTPSelectOutputDir</name>
    <message>
        <source>Select FTP Output Directory</source>
        <translation>Seleccionar directorio de salida FTP</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Última modificación</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permisos</translation>
    </message>
    <message>
        <source>Create Directory...</source>
        <translation>Crear directorio...</translation>
    </message>
    <message>
        <source>Press to create a new directory in above directory.</source>
        <translation>Pulse para crear un directorio nuevo dentro del directorio de arriba.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Press to select output directory and return to main screen.</source>
        <translation>Pulse para elegir el directorio de salida y volver a la ventana principal.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Press to cancel selection of directory.</source>
        <translation>Pulse para cancelar la selección del directorio.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>Cambiar &amp;nombre...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Eliminar...</translation>
    </message>
    <message>
        <source>&amp;Create New Directory...</source>
        <translation>&amp;Crear directorio nuevo...</translation>
    </message>
</context>
<context>
    <name>frmFTPTest</name>
    <message>
        <source>Test FTP Connection</source>
        <translation>Probar conexión FTP</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Cancel connection test/close window.</source>
        <translation>Cancela la prueba de conexión o cierra la ventana.</translation>
    </message>
</context>
<context>
    <name>frmGo</name>
    <message>
        <source>Processing Images</source>
        <translation>Procesando imágenes</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Imagen:</translation>
    </message>
    <message>
        <source>Scene:</source>
        <translation>Escena:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>FTP</source>
        <translation>FTP</translation>
    </message>
    <message>
        <source>Stop Processing Images</source>
        <translation>Detener el procesamiento</translation>
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
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Rotate Image</source>
        <translation>Girar imagen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>De-Select</source>
        <translation>Deseleccionar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Animated to Non-Animated</source>
        <translation>De animada a estática</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>FTP Connections...</source>
        <translation>Conexiones FTP...</translation>
    </message>
    <message>
        <source>Visit Quillmere...</source>
        <translation>Visitar Quillmere...</translation>
    </message>
    <message>
        <source>Get VEXL Professional...</source>
        <translation>Obtener VEXL Professional...</translation>
    </message>
    <message>
        <source>Make Donation...</source>
        <translation>Hacer un donativo...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Flip Image Horizontally</source>
        <translation>Voltear imagen horizontalmente</translation>
    </message>
    <message>
        <source>Flip Image Vertically</source>
        <translation>Voltear imagen verticalmente</translation>
    </message>
    <message>
        <source>Invert Image Colours</source>
        <translation>Invertir colores de la imagen</translation>
    </message>
    <message>
        <source>Greyscale Image</source>
        <translation>Convertir a escala de grises</translation>
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
        <translation>Eliminar imagen</translation>
    </message>
    <message>
        <source>Delete Checked Images</source>
        <translation>Eliminar imágenes marcadas</translation>
    </message>
    <message>
        <source>Recurse Subdirectories</source>
        <translation>Incluir subcarpetas</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
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
        <translation>Por patrón...</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Invertir selección</translation>
    </message>
    <message>
        <source>Preview Images</source>
        <translation>Vista previa de imágenes</translation>
    </message>
    <message>
        <source>Tooltips</source>
        <translation>Ayudas emergentes</translation>
    </message>
    <message>
        <source>Enable Explorer Context Menu</source>
        <translation>Activar menú contextual del Explorador</translation>
    </message>
    <message>
        <source>Extract 1st Scene</source>
        <translation>Extraer la 1.ª escena</translation>
    </message>
    <message>
        <source>Extract All Scenes (Append Scene Number)</source>
        <translation>Extraer todas las escenas (añadir número de escena)</translation>
    </message>
    <message>
        <source>English (Default)</source>
        <translation>English (predeterminado)</translation>
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
        <translation>Italiano (traducción pendiente)</translation>
    </message>
    <message>
        <source>Nederlands</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Submit...</source>
        <translation>Enviar...</translation>
    </message>
    <message>
        <source>Grey (Default)</source>
        <translation>Gris (predeterminado)</translation>
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
        <translation>Claro</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Blue Grey</source>
        <translation>Gris azulado</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Clear All Settings</source>
        <translation>Restablecer todas las opciones</translation>
    </message>
    <message>
        <source>Image Width</source>
        <translation>Ancho de la imagen</translation>
    </message>
    <message>
        <source>Image Height</source>
        <translation>Alto de la imagen</translation>
    </message>
    <message>
        <source>Number of Megapixels</source>
        <translation>Número de megapíxeles</translation>
    </message>
    <message>
        <source>Number of Unique Colours</source>
        <translation>Número de colores distintos</translation>
    </message>
    <message>
        <source>Filename (without extension)</source>
        <translation>Nombre de archivo (sin extensión)</translation>
    </message>
    <message>
        <source>File Extension</source>
        <translation>Extensión del archivo</translation>
    </message>
    <message>
        <source>File Size (with units)</source>
        <translation>Tamaño del archivo (con unidades)</translation>
    </message>
    <message>
        <source>Sequential Number</source>
        <translation>Número secuencial</translation>
    </message>
    <message>
        <source>Number of Selected Images</source>
        <translation>Número de imágenes seleccionadas</translation>
    </message>
    <message>
        <source>Set Foreground (Text) Colour...</source>
        <translation>Color de primer plano (texto)...</translation>
    </message>
    <message>
        <source>To Colour...</source>
        <translation>Elegir color...</translation>
    </message>
    <message>
        <source>To Transparent</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>List of images to process. Un-check any images you don&apos;t want to process. Double-click to open the image.</source>
        <translation>Lista de imágenes que se procesarán. Desmarque las que no quiera procesar. Haga doble clic para abrir la imagen.</translation>
    </message>
    <message>
        <source>Loading List...</source>
        <translation>Cargando lista...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Tick every image.</source>
        <translation>Marca todas las imágenes.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Untick every image.</source>
        <translation>Desmarca todas las imágenes.</translation>
    </message>
    <message>
        <source>View Picture</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>What the selected image on the left looks like.</source>
        <translation>Así se ve la imagen seleccionada a la izquierda.</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensiones</translation>
    </message>
    <message>
        <source>The method in which to resize the images.</source>
        <translation>Cómo se cambia el tamaño de las imágenes.</translation>
    </message>
    <message>
        <source>Don&apos;t Resize</source>
        <translation>No redimensionar</translation>
    </message>
    <message>
        <source>Restrict Width &amp; Height</source>
        <translation>Limitar ancho y alto</translation>
    </message>
    <message>
        <source>Restrict Width</source>
        <translation>Limitar ancho</translation>
    </message>
    <message>
        <source>Restrict Height</source>
        <translation>Limitar alto</translation>
    </message>
    <message>
        <source>Fix to Size</source>
        <translation>Tamaño fijo</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>The width of the output image.</source>
        <translation>El ancho de la imagen de salida.</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>The height of the output image.</source>
        <translation>El alto de la imagen de salida.</translation>
    </message>
    <message>
        <source>Check to resize the image to dimensions that are proportional to the image&apos;s original size.</source>
        <translation>Marque para indicar las dimensiones como porcentaje del tamaño original de la imagen.</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Antialias</source>
        <translation>Suavizado</translation>
    </message>
    <message>
        <source>Antialias the image.</source>
        <translation>Suaviza los bordes de la imagen (antialias).</translation>
    </message>
    <message>
        <source>Bevel</source>
        <translation>Bisel</translation>
    </message>
    <message>
        <source>Apply the bevel effect to the image.</source>
        <translation>Aplica el efecto de bisel a la imagen.</translation>
    </message>
    <message>
        <source>The width of the bevel in pixels.</source>
        <translation>El ancho del bisel en píxeles.</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Píxeles</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Rotate the image clockwise (1 to 359 degrees).</source>
        <translation>Gira la imagen en el sentido de las agujas del reloj (de 1 a 359 grados).</translation>
    </message>
    <message>
        <source>The degrees in which to rotate the image clockwise.</source>
        <translation>Los grados que se gira la imagen en el sentido de las agujas del reloj.</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Voltear en horizontal</translation>
    </message>
    <message>
        <source>Reflect the image in the horizontal direction (left becomes right, right becomes left).</source>
        <translation>Refleja la imagen en horizontal (la izquierda pasa a ser la derecha y la derecha, la izquierda).</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Voltear en vertical</translation>
    </message>
    <message>
        <source>Reflect the image in the vertical direction (top becomes bottom, bottom becomes top).</source>
        <translation>Refleja la imagen en vertical (lo de arriba pasa abajo y lo de abajo, arriba).</translation>
    </message>
    <message>
        <source>Invert Colours</source>
        <translation>Invertir colores</translation>
    </message>
    <message>
        <source>Inverts the colours of the image (black becomes white, etc.).</source>
        <translation>Invierte los colores de la imagen (el negro pasa a ser blanco, etc.).</translation>
    </message>
    <message>
        <source>Greyscale</source>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>Convert the image to shades of grey (no colour).</source>
        <translation>Convierte la imagen a tonos de gris (sin color).</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Prefijo:</translation>
    </message>
    <message>
        <source>Text to put at the start of the filename.</source>
        <translation>Texto que se añade al principio del nombre de archivo.</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Insert a meta variable (data about the image) into the prefix.</source>
        <translation>Inserta una metavariable (datos de la imagen) en el prefijo.</translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation>Sufijo:</translation>
    </message>
    <message>
        <source>Text to put at the end of the filename.</source>
        <translation>Texto que se añade al final del nombre de archivo.</translation>
    </message>
    <message>
        <source>Insert a meta variable (data about the image) into the suffix.</source>
        <translation>Inserta una metavariable (datos de la imagen) en el sufijo.</translation>
    </message>
    <message>
        <source>Select how you want to change the case of the filenames.</source>
        <translation>Elija cómo cambiar las mayúsculas y minúsculas de los nombres de archivo.</translation>
    </message>
    <message>
        <source>UncHanGEd cAse</source>
        <translation>SiN CaMbIoS</translation>
    </message>
    <message>
        <source>to lower-case</source>
        <translation>a minúsculas</translation>
    </message>
    <message>
        <source>TO UPPER-CASE</source>
        <translation>A MAYÚSCULAS</translation>
    </message>
    <message>
        <source>First letter case</source>
        <translation>Primera en mayúscula</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Tipo Título</translation>
    </message>
    <message>
        <source>tOGGLE cASE</source>
        <translation>tIPO iNVERSO</translation>
    </message>
    <message>
        <source>Specify what to do with underscores and spaces in filenames</source>
        <translation>Indique qué hacer con los guiones bajos y los espacios de los nombres de archivo</translation>
    </message>
    <message>
        <source>Spaces &amp; Underscores</source>
        <translation>Dejar espacios y _</translation>
    </message>
    <message>
        <source>Replace &quot; &quot; with &quot;_&quot;</source>
        <translation>Cambiar &quot; &quot; por &quot;_&quot;</translation>
    </message>
    <message>
        <source>Replace &quot;_&quot; with &quot; &quot;</source>
        <translation>Cambiar &quot;_&quot; por &quot; &quot;</translation>
    </message>
    <message>
        <source>Remove &quot;_&quot;</source>
        <translation>Quitar &quot;_&quot;</translation>
    </message>
    <message>
        <source>Remove &quot; &quot;</source>
        <translation>Quitar &quot; &quot;</translation>
    </message>
    <message>
        <source>Remove &quot; &quot; And &quot;_&quot;</source>
        <translation>Quitar &quot; &quot; y &quot;_&quot;</translation>
    </message>
    <message>
        <source>Sequential Number:</source>
        <translation>Número secuencial:</translation>
    </message>
    <message>
        <source>Rename the files with using a number that increments for each file.</source>
        <translation>Renombra los archivos con un número que aumenta con cada archivo.</translation>
    </message>
    <message>
        <source>Start With:</source>
        <translation>Empezar en:</translation>
    </message>
    <message>
        <source>The number to start the increments from.</source>
        <translation>El número desde el que empieza la cuenta.</translation>
    </message>
    <message>
        <source>Zero Fill:</source>
        <translation>Relleno de ceros:</translation>
    </message>
    <message>
        <source>Pad (left) the seqeuntial number with zeros. For example the number 22 would become 0022 if this field was set to 4. Set to 0 for no padding.</source>
        <translation>Rellena con ceros por la izquierda el número secuencial. Por ejemplo, el número 22 pasa a ser 0022 si este campo vale 4. Ponga 0 para no rellenar.</translation>
    </message>
    <message>
        <source>Text Overlay</source>
        <translation>Texto superpuesto</translation>
    </message>
    <message>
        <source>Stamp With Text:</source>
        <translation>Estampar texto:</translation>
    </message>
    <message>
        <source>Check to stamp/label the image with the text specified below.</source>
        <translation>Marque para estampar en la imagen el texto indicado abajo.</translation>
    </message>
    <message>
        <source>The text to put over the image. Right-click to add meta variables.</source>
        <translation>El texto que se pone sobre la imagen. Haga clic con el botón derecho para añadir metavariables.</translation>
    </message>
    <message>
        <source>Insert a meta variable (data about the image) into the text.</source>
        <translation>Inserta una metavariable (datos de la imagen) en el texto.</translation>
    </message>
    <message>
        <source>The position of the text to overlay</source>
        <translation>La posición del texto superpuesto</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Arriba izq.</translation>
    </message>
    <message>
        <source>Top Center</source>
        <translation>Arriba centro</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>Arriba der.</translation>
    </message>
    <message>
        <source>Middle Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Middle Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Middle Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Abajo izq.</translation>
    </message>
    <message>
        <source>Bottom Center</source>
        <translation>Abajo centro</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Abajo der.</translation>
    </message>
    <message>
        <source>Click to change the text font and size.</source>
        <translation>Haga clic para cambiar la fuente y el tamaño del texto.</translation>
    </message>
    <message>
        <source>Select the foreground and background text colours.</source>
        <translation>Elija los colores de primer plano y de fondo del texto.</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>The folder that all processed images will be put in.</source>
        <translation>La carpeta donde se guardarán todas las imágenes procesadas.</translation>
    </message>
    <message>
        <source>Click to browse for the output folder.</source>
        <translation>Haga clic para elegir la carpeta de salida.</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Select the image&apos;s output format. If you want them to remain the same, select &apos;Don&apos;t Change&apos;.</source>
        <translation>Elija el formato de salida de las imágenes. Para conservar el formato, elija &quot;No cambiar&quot;.</translation>
    </message>
    <message>
        <source>Don&apos;t Change</source>
        <translation>No cambiar</translation>
    </message>
    <message>
        <source>The output quality of the JPG and PNG images, from 1 to 100. Default is 75%. If any JPG or PNG  image is processed, this value is used.</source>
        <translation>La calidad de salida de las imágenes JPG y PNG, de 1 a 100. El valor predeterminado es 75&#xa0;%. Se aplica a toda imagen JPG o PNG que se procese.</translation>
    </message>
    <message>
        <source>Replicate Subdirectory Stucture</source>
        <translation>Replicar subcarpetas</translation>
    </message>
    <message>
        <source>If checked, images will be placed in the same sub-directories as the target folder. If they don&apos;t exist they will be created. Otherwise ALL images are places in the above directory.</source>
        <translation>Si está marcada, las imágenes se guardan en las mismas subcarpetas que tienen en la carpeta de origen; las que no existan se crean. Si no, TODAS las imágenes van a la carpeta indicada arriba.</translation>
    </message>
    <message>
        <source>Delete Original Images</source>
        <translation>Eliminar originales</translation>
    </message>
    <message>
        <source>If checked, images will be processed and the original will be deleted.</source>
        <translation>Si está marcada, se procesan las imágenes y se eliminan los originales.</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>About VEXL Dovo.</source>
        <translation>Acerca de VEXL Dovo.</translation>
    </message>
    <message>
        <source>www</source>
        <translation>www</translation>
    </message>
    <message>
        <source>Visit the Quillmere website for updates, new software &amp; freeware etc.</source>
        <translation>Visite el sitio web de Quillmere para obtener actualizaciones, software nuevo, freeware, etc.</translation>
    </message>
    <message>
        <source>Start &gt;&gt;&gt;</source>
        <translation>Iniciar &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Process the images with the settings specified above.</source>
        <translation>Procesa las imágenes con las opciones indicadas arriba.</translation>
    </message>
    <message>
        <source>Capture Date (YYYY-MM-DD)</source>
        <translation>Fecha de captura (AAAA-MM-DD)</translation>
    </message>
    <message>
        <source>Capture Time (HH-MM-SS)</source>
        <translation>Hora de captura (HH-MM-SS)</translation>
    </message>
    <message>
        <source>Camera Make and Model</source>
        <translation>Marca y modelo de la cámara</translation>
    </message>
    <message>
        <source>Original Filename</source>
        <translation>Nombre de archivo original</translation>
    </message>
    <message>
        <source>Only Shrink</source>
        <translation>Solo reducir</translation>
    </message>
    <message>
        <source>Resize only images that are larger than the given size; smaller images keep their size.</source>
        <translation>Redimensionar solo las imágenes mayores que el tamaño indicado; las más pequeñas conservan su tamaño.</translation>
    </message>
    <message>
        <source>Auto-Rotate by Camera Orientation</source>
        <translation>Girar automáticamente según la orientación de la cámara</translation>
    </message>
    <message>
        <source>Turn photos upright as the camera recorded them, before any other operation.</source>
        <translation>Endereza las fotos según lo registró la cámara, antes de cualquier otra operación.</translation>
    </message>
    <message>
        <source>WEBP</source>
        <translation>WEBP</translation>
    </message>
    <message>
        <source>JPG/PNG/WebP Quality:</source>
        <translation>Calidad JPG/PNG/WebP:</translation>
    </message>
    <message>
        <source>Desktop Widget Style</source>
        <translation>Estilo del escritorio</translation>
    </message>
    <message>
        <source>Draw the controls in the desktop&apos;s own widget style instead of the built-in one (after a restart).</source>
        <translation>Dibujar los controles con el estilo propio del escritorio en lugar del integrado (tras reiniciar).</translation>
    </message>
    <message>
        <source>Set Background Colour</source>
        <translation>Establecer color de fondo</translation>
    </message>
    <message>
        <source>Preview Names...</source>
        <translation>Vista previa de nombres...</translation>
    </message>
    <message>
        <source>Show the name each ticked image will get, before anything is written.</source>
        <translation>Muestra el nombre que recibirá cada imagen marcada, antes de escribir nada.</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... y %1 más</translation>
    </message>
    <message>
        <source>Settings files (*.ini);;All files (*)</source>
        <translation>Archivos de ajustes (*.ini);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>frmNamePreview</name>
    <message>
        <source>Name Preview</source>
        <translation>Vista previa de nombres</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nombre nuevo</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Start &gt;&gt;&gt;</source>
        <translation>Iniciar &gt;&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>frmRunSummary</name>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Qué ocurrió</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Abrir carpeta de salida</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmSelectOutputDir</name>
    <message>
        <source>Make New Folder...</source>
        <translation>Nueva carpeta...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>vexl::CFtpClient</name>
    <message>
        <source>The directory listing took too long.</source>
        <translation>El listado del directorio tardó demasiado.</translation>
    </message>
    <message>
        <source>The server ended the upload before the whole file was sent.</source>
        <translation>El servidor terminó la subida antes de que se enviara el archivo completo.</translation>
    </message>
    <message>
        <source>The directory listing is too long.</source>
        <translation>El listado del directorio es demasiado largo.</translation>
    </message>
</context>
<context>
    <name>vexl::FtpBatchUpload</name>
    <message>
        <source>The folder &quot;%1&quot; contains a line break or a NUL character, which cannot be sent to an FTP server. Process Stopped.</source>
        <translation>La carpeta &quot;%1&quot; contiene un salto de línea o un carácter NUL, que no se puede enviar a un servidor FTP. Proceso detenido.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains a line break or a NUL character, which cannot be sent to an FTP server. Process Stopped.</source>
        <translation>El nombre de archivo &quot;%1&quot; contiene un salto de línea o un carácter NUL, que no se puede enviar a un servidor FTP. Proceso detenido.</translation>
    </message>
    <message>
        <source>Re-opening the connection failed: %1</source>
        <translation>No se pudo volver a abrir la conexión: %1</translation>
    </message>
    <message>
        <source>Removed the incomplete file %1 from the server.</source>
        <translation>Se eliminó del servidor el archivo incompleto %1.</translation>
    </message>
    <message>
        <source>Could not remove the incomplete file %1 from the server: %2</source>
        <translation>No se pudo eliminar del servidor el archivo incompleto %1: %2</translation>
    </message>
</context>
<context>
    <name>vexl::OutputPlanner</name>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>These images would overwrite another image or its result:</source>
        <translation>Estas imágenes sobrescribirían otra imagen o su resultado:</translation>
    </message>
    <message>
        <source>Do you want to skip them and process the others?</source>
        <translation>¿Desea omitirlas y procesar las demás?</translation>
    </message>
</context>
<context>
    <name>vexl::frmFTPConnections</name>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must not contain control characters such as line breaks or tabs.</source>
        <translation>El campo &quot;%1&quot; no debe contener caracteres de control como saltos de línea o tabulaciones.</translation>
    </message>
    <message>
        <source>The connection name &quot;%1&quot; must not contain &quot;//&quot;.</source>
        <translation>El nombre de conexión &quot;%1&quot; no debe contener &quot;//&quot;.</translation>
    </message>
</context>
<context>
    <name>vexl::frmMain</name>
    <message>
        <source>%1 entries skipped (unusable names or paths too long)</source>
        <translation>%1 entradas omitidas (nombres inutilizables o rutas demasiado largas)</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Guardar ajustes como...</translation>
    </message>
    <message>
        <source>Load Settings...</source>
        <translation>Cargar ajustes...</translation>
    </message>
    <message>
        <source>Recent Presets</source>
        <translation>Ajustes recientes</translation>
    </message>
    <message>
        <source>Undo Last Batch...</source>
        <translation>Deshacer el último lote...</translation>
    </message>
    <message>
        <source>Save Settings As</source>
        <translation>Guardar ajustes como</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:
%2</source>
        <translation>No se pudieron guardar los ajustes en %1:
%2</translation>
    </message>
    <message>
        <source>Load Settings</source>
        <translation>Cargar ajustes</translation>
    </message>
    <message>
        <source>The settings could not be loaded:
%1</source>
        <translation>No se pudieron cargar los ajustes:
%1</translation>
    </message>
    <message>
        <source>These values of %1 were refused; their fields keep what they held:</source>
        <translation>Se rechazaron estos valores de %1; sus campos conservan lo que tenían:</translation>
    </message>
    <message>
        <source>Undo Last Batch</source>
        <translation>Deshacer el último lote</translation>
    </message>
</context>
<context>
    <name>vexl::frmNamePreview</name>
    <message>
        <source>No number left: the run stops here.</source>
        <translation>No quedan números: el proceso se detiene aquí.</translation>
    </message>
    <message>
        <source>One file per scene (# is the scene number).</source>
        <translation>Un archivo por escena (# es el número de escena).</translation>
    </message>
    <message>
        <source>Values in [ ] are filled in from the result.</source>
        <translation>Los valores entre [ ] se toman del resultado.</translation>
    </message>
    <message>
        <source>Numbers skipped (name taken): %1</source>
        <translation>Números omitidos (nombre ocupado): %1</translation>
    </message>
    <message>
        <source>Name collision: an earlier image gets %1; this one is skipped if you go on.</source>
        <translation>Conflicto de nombres: una imagen anterior recibe %1; esta se omite si continúa.</translation>
    </message>
    <message>
        <source>Name collision: %1 is another ticked image; this one is skipped if you go on.</source>
        <translation>Conflicto de nombres: %1 es otra imagen marcada; esta se omite si continúa.</translation>
    </message>
    <message>
        <source>Name collision: %1 is another file; this one is skipped if you go on.</source>
        <translation>Conflicto de nombres: %1 es otro archivo; esta se omite si continúa.</translation>
    </message>
    <message>
        <source>The settings give no output name: %1</source>
        <translation>La configuración no da ningún nombre de salida: %1</translation>
    </message>
    <message>
        <source>Images: %1, into %2</source>
        <translation>Imágenes: %1, en %2</translation>
    </message>
    <message>
        <source>Name collisions (the run asks before it starts): %1</source>
        <translation>Conflictos de nombres (el proceso pregunta antes de empezar): %1</translation>
    </message>
    <message>
        <source>Numbers skipped because a file has that name: %1</source>
        <translation>Números omitidos porque ya hay un archivo con ese nombre: %1</translation>
    </message>
    <message>
        <source>Names completed from the result during the run: %1</source>
        <translation>Nombres que se completan con el resultado durante el proceso: %1</translation>
    </message>
</context>
<context>
    <name>vexl::frmRunSummary</name>
    <message>
        <source>No program is set up to open the folder %1.</source>
        <translation>No hay ningún programa configurado para abrir la carpeta %1.</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Abrir carpeta de salida</translation>
    </message>
</context>
</TS>
