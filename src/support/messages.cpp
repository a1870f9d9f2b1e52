#include "messages.h"

#include <QCoreApplication>
#include <QHash>

namespace vexl {

namespace {
const QList<MessageRow> kRows = {
    {"msgOutputSameFolder", QT_TRANSLATE_NOOP("Messages", "Output in Same Folder")}, // 1
    {"msgOutputDifferentFolder", QT_TRANSLATE_NOOP("Messages", "Output in Different Folder")}, // 2
    {"msgConfigureFTPServers", QT_TRANSLATE_NOOP("Messages", "Configure FTP Servers...")}, // 3
    {"msgSelectConnectionToRemove", QT_TRANSLATE_NOOP("Messages", "Please select the connection to remove from list above!")}, // 4
    {"msgConfirmRemoveConnection", QT_TRANSLATE_NOOP("Messages", "Are you sure you want to remove FTP connection \"[NAME]\"?")}, // 5
    {"msgConnectionNameRequired", QT_TRANSLATE_NOOP("Messages", "You must specify a connection name!")}, // 6
    {"msgServerRequired", QT_TRANSLATE_NOOP("Messages", "You must specify a server hostname/IP!")}, // 7
    {"msgServerBadCharacter", QT_TRANSLATE_NOOP("Messages", "Only letters (a-z, A-Z), numbers (1-9), periods (.) and hyphons (-) are allowed for server hostname/IP!")}, // 8
    {"msgPortRequired", QT_TRANSLATE_NOOP("Messages", "You must specify a valid port number! Default is 21.")}, // 9
    {"msgUsernameRequired", QT_TRANSLATE_NOOP("Messages", "You must specify a username if annonymous not selected!")}, // 10
    {"msgConnectionNameExists", QT_TRANSLATE_NOOP("Messages", "Connection name \"[NAME]\" already exists! Please select another name.")}, // 11
    {"msgNoConnectionForName", QT_TRANSLATE_NOOP("Messages", "No connection for name \"[NAME]\"!")}, // 12
    {"msgSelectConnectionToTest", QT_TRANSLATE_NOOP("Messages", "Please select a connection from the list above to test.")}, // 13
    {"msgNewDirectoryPrompt", QT_TRANSLATE_NOOP("Messages", "New Directory Name: ")}, // 14
    {"msgNewDirectoryTitle", QT_TRANSLATE_NOOP("Messages", "Enter New Directory Name")}, // 15
    {"msgNewDirectoryDefault", QT_TRANSLATE_NOOP("Messages", "New Directory")}, // 16
    {"msgColumnFileName", QT_TRANSLATE_NOOP("Messages", "File Name")}, // 17
    {"msgColumnLastModified", QT_TRANSLATE_NOOP("Messages", "Last Modified")}, // 18
    {"msgColumnPermissions", QT_TRANSLATE_NOOP("Messages", "Permissions")}, // 19
    {"msgFTPConnectionError", QT_TRANSLATE_NOOP("Messages", "FTP Connection Error: ")}, // 20
    {"msgFTPConnectionCanceled", QT_TRANSLATE_NOOP("Messages", "FTP Connection Canceled.")}, // 21
    {"msgFTPConnectionTimedOut", QT_TRANSLATE_NOOP("Messages", "FTP Connection to server \"[SERVER]\" timed out!")}, // 22
    {"msgErrorCreatingDirectory", QT_TRANSLATE_NOOP("Messages", "Error creating directory: ")}, // 23
    {"msgGoToParentDirectory", QT_TRANSLATE_NOOP("Messages", "Go to parent directory")}, // 24
    {"msgErrorRemovingDirectory", QT_TRANSLATE_NOOP("Messages", "Error removing directory: ")}, // 25
    {"msgErrorRenamingDirectory", QT_TRANSLATE_NOOP("Messages", "Error renaming directory: ")}, // 26
    {"msgRenamePrompt", QT_TRANSLATE_NOOP("Messages", "Rename \"[OLDDIRPATH]\" To: ")}, // 27
    {"msgConfirmDeleteDirectory", QT_TRANSLATE_NOOP("Messages", "Are you sure you want to delete the directory:\\n\\n[DIRECTORY]?\\n\\nDirectory must be empty.")}, // 28
    {"msgStatusReady", QT_TRANSLATE_NOOP("Messages", "Ready")}, // 29
    {"msgStatusClosed", QT_TRANSLATE_NOOP("Messages", "The control connection is closed")}, // 30
    {"msgStatusConnecting", QT_TRANSLATE_NOOP("Messages", "Connecting to [SERVER]...")}, // 31
    {"msgStatusConnected", QT_TRANSLATE_NOOP("Messages", "Connected")}, // 32
    {"msgStatusAuthentication", QT_TRANSLATE_NOOP("Messages", "Authentication in progress...")}, // 33
    {"msgStatusLoggedIn", QT_TRANSLATE_NOOP("Messages", "User has been logged in successfully")}, // 34
    {"msgStatusChangingDirectory", QT_TRANSLATE_NOOP("Messages", "Changing current directory...")}, // 35
    {"msgStatusDeletingFile", QT_TRANSLATE_NOOP("Messages", "Deleting file...")}, // 36
    {"msgStatusRemovingDirectory", QT_TRANSLATE_NOOP("Messages", "Removing directory...")}, // 37
    {"msgStatusCreatingDirectory", QT_TRANSLATE_NOOP("Messages", "Creating directory...")}, // 38
    {"msgStatusRenamingFile", QT_TRANSLATE_NOOP("Messages", "Renaming file...")}, // 39
    {"msgStatusEstablishingData", QT_TRANSLATE_NOOP("Messages", "Establishing data connection...")}, // 40
    {"msgStatusDataEstablished", QT_TRANSLATE_NOOP("Messages", "Data connection established")}, // 41
    {"msgStatusRetrievingDirectory", QT_TRANSLATE_NOOP("Messages", "Retrieving directory info...")}, // 42
    {"msgStatusDirectoryRetrieved", QT_TRANSLATE_NOOP("Messages", "Directory info retrieved")}, // 43
    {"msgStatusDownloading", QT_TRANSLATE_NOOP("Messages", "Download in progress...")}, // 44
    {"msgStatusDownloadComplete", QT_TRANSLATE_NOOP("Messages", "Download complete")}, // 45
    {"msgStatusUploading", QT_TRANSLATE_NOOP("Messages", "Upload in progress...")}, // 46
    {"msgStatusUploadComplete", QT_TRANSLATE_NOOP("Messages", "Upload complete")}, // 47
    {"msgFTPConnectionOK", QT_TRANSLATE_NOOP("Messages", "FTP Connection \"[NAME]\" OK.")}, // 48
    {"msgErrorListingFiles", QT_TRANSLATE_NOOP("Messages", "Error listing files: ")}, // 49
    {"msgErrorAccessingPath", QT_TRANSLATE_NOOP("Messages", "Error accessing path \"[PATH]\"!")}, // 50
    {"msgTransferringFile", QT_TRANSLATE_NOOP("Messages", "Transferring \"[FILE]\" to FTP Server...")}, // 51
    {"msgFTPClientBusy", QT_TRANSLATE_NOOP("Messages", "FTP Client Busy, Waiting...")}, // 52
    {"msgUploadErrorStopped", QT_TRANSLATE_NOOP("Messages", "FTP Upload Error, Process Stopped: ")}, // 53
    {"msgUploadTimedOutStopped", QT_TRANSLATE_NOOP("Messages", "FTP Upload Timed Out. Process Stopped.")}, // 54
    {"msgUploadCanceledStopped", QT_TRANSLATE_NOOP("Messages", "FTP Upload Canceled. Process Stopped.")}, // 55
    {"msgLoginNotGiven", QT_TRANSLATE_NOOP("Messages", "Login details not given. Ending process.")}, // 56
    {"msgConnectionClosedReopen", QT_TRANSLATE_NOOP("Messages", "The FTP connection has closed. Do you want to re-open it and continue?")}, // 57
    {"msgRemoveNameNotFound", QT_TRANSLATE_NOOP("Messages", "Connection Remove Error: Name could not be found!")}, // 58
    {"msgLoginFailedAttempts", QT_TRANSLATE_NOOP("Messages", "Login failed for [NUMATTEMPTS] attempts.")}, // 59
    {"msgLoginIncorrectRetry", QT_TRANSLATE_NOOP("Messages", "Username/Password Incorrect. Do you want to retry?")}, // 60
    {"msgConnectingWithTimeout", QT_TRANSLATE_NOOP("Messages", "Connecting to server (timeout in [TIMEOUT] seconds)...")}, // 61
    {"msgCurrentDirectory", QT_TRANSLATE_NOOP("Messages", "Current Directory: ")}, // 62
    {"msgErrorSettingDirectory", QT_TRANSLATE_NOOP("Messages", "Error setting directory to path \"[PATH]\". Exiting process.")}, // 63
    {"msgErrorCreatingDirectoryExit", QT_TRANSLATE_NOOP("Messages", "Error creating directory \"[PATH]\". Exiting Process.")}, // 64
    {"msgPreviewDisabled", QT_TRANSLATE_NOOP("Messages", "(Preview Disabled)")}, // 65
    {"msgOverlayFailed", QT_TRANSLATE_NOOP("Messages", "Could not overlay text to on image \"[IMAGE]\"! Do you want to continue processing images?")}, // 66
    {"msgGreyscaleFailed", QT_TRANSLATE_NOOP("Messages", "Could not greyscale image \"[IMAGE]\" because:")}, // 67
    {"msgInvertFailed", QT_TRANSLATE_NOOP("Messages", "Could not invert colours of image \"[IMAGE]\" because:")}, // 68
    {"msgOverwriteImminent", QT_TRANSLATE_NOOP("Messages", "There is an IMMINENT possibility that output images will overwrite selected images.\\nAre you sure you want to continue?\\n\\nPress 'Cancel' to never see this message again, and continue.")}, // 69
    {"msgOverwriteMedium", QT_TRANSLATE_NOOP("Messages", "There is a MEDIUM possibility that output images will overwrite selected images\\n(The only differentiation is the spaces/undercores or extension, which is weak).\\nAre you sure you want to continue?\\n\\nPress 'Cancel' to never see this message again, and continue.")}, // 70
    {"msgScene", QT_TRANSLATE_NOOP("Messages", "Scene")}, // 71
    {"msgIdentifyFailed", QT_TRANSLATE_NOOP("Messages", "Could not retrive information on \"[IMAGE]\" because:\\n[ERROR]\\n\\nDo you want to continue processing images?")}, // 72
    {"msgInFolder", QT_TRANSLATE_NOOP("Messages", "In Folder: ")}, // 73
    {"msgBadFilenameCharacters", QT_TRANSLATE_NOOP("Messages", "Filename cannot contain the following characters: ")}, // 74
    {"msgFolderExists", QT_TRANSLATE_NOOP("Messages", "Could not make folder \"[FOLDER]\"\\n\\nFolder already exists!")}, // 75
    {"msgFolderCreateFailed", QT_TRANSLATE_NOOP("Messages", "Could not make folder \"[FOLDER]\"\\n\\n[ERROR]!")}, // 76
    {"msgRestartForXPStyle", QT_TRANSLATE_NOOP("Messages", "Please close and restart VEXL for this to take effect.\\n\\nWhen ticked, the controls are drawn in the desktop's own widget style; otherwise in the built-in style.")}, // 77
    {"msgOriginalSize", QT_TRANSLATE_NOOP("Messages", "Orig. Size:")}, // 78
    {"msgBatchProcessImages", QT_TRANSLATE_NOOP("Messages", "Batch Process Images...")}, // 79
    {"msgProcessFinished", QT_TRANSLATE_NOOP("Messages", "Process Finished!")}, // 80
    {"msgDeleteFileFailed", QT_TRANSLATE_NOOP("Messages", "Could not delete file \"[IMAGE]\" because:")}, // 81
    {"msgConfirmDeleteImage", QT_TRANSLATE_NOOP("Messages", "Are you sure you want to delete \"[IMAGE]\"")}, // 82
    {"msgConfirmDeleteImages", QT_TRANSLATE_NOOP("Messages", "Are you sure you want to delete these [NUM] images?")}, // 83
    {"msgConfirmDeleteChecked", QT_TRANSLATE_NOOP("Messages", "Are you sure you want to delete the checked image?")}, // 84
    {"msgFlipFailed", QT_TRANSLATE_NOOP("Messages", "Could not flip image \"[IMAGE]\" because:")}, // 85
    {"msgRotateFailed", QT_TRANSLATE_NOOP("Messages", "Could not rotate image \"[IMAGE]\" because:")}, // 86
    {"msgCannotAccessLocation", QT_TRANSLATE_NOOP("Messages", "Cannot Access Location: ")}, // 87
    {"msgValueRequired", QT_TRANSLATE_NOOP("Messages", "A value is required in this field!")}, // 88
    {"msgNumbersOnly", QT_TRANSLATE_NOOP("Messages", "Only numbers are allowed into this field!")}, // 89
    {"msgNumberNotZero", QT_TRANSLATE_NOOP("Messages", "Number not allowed to be 0!")}, // 90
    {"msgErrorLoading", QT_TRANSLATE_NOOP("Messages", "Error Loading: ")}, // 91
    {"msgSelectOutputDirectory", QT_TRANSLATE_NOOP("Messages", "Select Output Directory:")}, // 92
    {"msgSelectAtLeastOneImage", QT_TRANSLATE_NOOP("Messages", "Please Select at least 1 Image to Process!")}, // 93
    {"msgBevelFailed", QT_TRANSLATE_NOOP("Messages", "Could not bevel image with a width of [WIDTH] pixels\\nThe image may be too small for this bevel width.\\n\\nDo you want to continue processing images?")}, // 94
    {"msgRemoveFileFailed", QT_TRANSLATE_NOOP("Messages", "Could not remove file \"[IMAGE]\"!\\nDo you want to continue processing images?")}, // 95
    {"msgImageEngineFailed", QT_TRANSLATE_NOOP("Messages", "ImageMagick Encountered and Error When Doing this:\\n[CURROP]\\nDescription: [ERROR]\\nThe file might be Read Only, Hidden or not an Image.\\n\\nDo you want to continue processing images?")}, // 96
    {"msgCopyFailed", QT_TRANSLATE_NOOP("Messages", "Could not copy \"[IMAGE1]\" to \"[IMAGE2]\"!\\nDo you want to continue processing images?")}, // 97
    {"msgStoppingProcess", QT_TRANSLATE_NOOP("Messages", "Stopping Process...")}, // 98
    {"msgStopProcessingImages", QT_TRANSLATE_NOOP("Messages", "Stop Processing Images")}, // 99
    {"msgProcessStopping", QT_TRANSLATE_NOOP("Messages", "Process stopping...")}, // 100
    {"msgFontStylesIgnored", QT_TRANSLATE_NOOP("Messages", "Due to limitations in this function, styles such as:\\n\\nBold, Italic, Underline and Strikethru\\n\\nCannot be applied to images and have been ignored.")}, // 101
    {"msgPatternHelp", QT_TRANSLATE_NOOP("Messages", "* - 0 or more characters (wildcard).\\n? - Any single character.\\n* - Zero or more characters.\\n# - Any single digit (0 to 9).\\n[charlist] - Any single character in charlist.\\n[!charlist] - Any single character not in charlist.")}, // 102
    {"msgEnterPattern", QT_TRANSLATE_NOOP("Messages", "Enter Pattern: ")}, // 103
    {"msgSelectByPatternTitle", QT_TRANSLATE_NOOP("Messages", "Select Images By Pattern")}, // 104
    {"msgDeselectByPatternTitle", QT_TRANSLATE_NOOP("Messages", "De-Select Images By Pattern")}, // 105
    {"msgLargeImageWarning", QT_TRANSLATE_NOOP("Messages", "The current image is about to be resized to over 6 megapixels ([DIMENSIONS]). This may cause the program to freeze as it is a very large image to process.\\nYou might be resizing as a percentage accidently.\\n\\nPress yes to continue resizing. You will not see this warning again.\\nPress no to skip image.\\nPress cancel to end process.")}, // 106
    {"msgLoading", QT_TRANSLATE_NOOP("Messages", "Loading...")}, // 107
    {"msgRemoveOldImageFailed", QT_TRANSLATE_NOOP("Messages", "Error removing old image:\\n[IMAGE]\\n[ERROR]\\n\\nDo you want to continue?")}, // 108
    {"msgCreateDirectoryFailedContinue", QT_TRANSLATE_NOOP("Messages", "Error creating directory:\\n[DIR]\\n\\nDo you want to continue?")}, // 109
    {"msgProcessAborted", QT_TRANSLATE_NOOP("Messages", "Process Aborted.")}, // 110
    {"msgProcessingImages", QT_TRANSLATE_NOOP("Messages", "Processing Images")}, // 111
    {"msgConfirmDeleteOriginals", QT_TRANSLATE_NOOP("Messages", "You have selected to delete orignal images. These images can not be recovered.\\nAre you sure you want to continue?\\n\\nPress 'Cancel' to never see this message again, and continue.")}, // 112
    // Nothing on this desktop opens images or web pages.
    {"msgNoImageViewer", QT_TRANSLATE_NOOP("Messages", "No program is set up to open images, so \"[FILE]\" could not be opened.\\n\\nChoose an image viewer in your desktop's default applications settings, then try again.")}, // 113
    {"msgNoWebBrowser", QT_TRANSLATE_NOOP("Messages", "No program is set up to open web pages, so \"[URL]\" could not be opened.\\n\\nChoose a web browser in your desktop's default applications settings, then try again.")}, // 114
    {"msgSandboxUnavailable", QT_TRANSLATE_NOOP("Messages", "Image workers run unconfined: this kernel offers no Landlock, so a hostile image could reach your files.")}, // 115
    {"msgSandboxNoNetwork", QT_TRANSLATE_NOOP("Messages", "Image workers are confined to the run's folders, but this kernel's Landlock (ABI [ABI]) cannot keep them off the network.")}, // 116
    {"msgSandboxSwitchedOff", QT_TRANSLATE_NOOP("Messages", "Image workers run unconfined: VEXL_NO_SANDBOX is set.")}, // 117
};
} // namespace

const QList<MessageRow> &messageTable()
{
    return kRows;
}

QString Msg(const char *key)
{
    static const QHash<QByteArray, const char *> index = [] {
        QHash<QByteArray, const char *> h;
        for (const MessageRow &row : kRows)
            h.insert(QByteArray(row.key), row.english);
        return h;
    }();
    const auto it = index.constFind(QByteArray(key));
    Q_ASSERT_X(it != index.constEnd(), "Msg", key);
    if (it == index.constEnd())
        return QString::fromLatin1(key);
    return QCoreApplication::translate("Messages", it.value());
}

QString MsgX(const char *key)
{
    return ExpandNewlines(Msg(key));
}

QString ExpandNewlines(const QString &text)
{
    QString out = text;
    out.replace(QLatin1String("\\n"), QLatin1String("\r\n"));
    return out;
}

} // namespace vexl
