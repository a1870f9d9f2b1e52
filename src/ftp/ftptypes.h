#pragma once

// Shared constants of the socket layer and the FTP session: socket states,
// session states, asynchronous result codes and protocol message kinds. Plain
// enumerations so that the names read as they do everywhere else in the program
// (`sockClosed`, `ftpFreeState`, `arStatusOk`); signals carry them as int.

namespace vexl {

// CSocket::State()
enum SocketState : int {
    sockClosed = 0,         // initial; socket destroyed
    sockListening = 2,      // Listen succeeded
    sockResolvingHost = 4,  // Connect is resolving a host name
    sockHostResolved = 5,   // the name resolution arrived
    sockConnecting = 6,     // connect in progress
    sockConnected = 7,      // connected (or an accepted connection)
    sockClosing = 8,        // our side shut down, or the peer's close is being processed
    sockError = 9,          // an asynchronous error arrived, or Listen failed
};

// CFtpClient::FtpSessionState(); the status texts are the message table rows
// msgStatusReady ... msgStatusUploadComplete in this order (SessionStatusKey).
enum FtpSessionState : int {
    ftpFreeState = 0,                   // a method ended; or RNTO / TYPE / PASV / PORT / REST outside a transfer sent
    ftpClosed = 1,                      // initial; control connection closed; Connect ended without a login
    ftpConnecting = 2,                  // Connect called
    ftpConnected = 3,                   // control connection up
    ftpAuthentication = 4,              // USER or PASS sent
    ftpUserLoggedIn = 5,                // login accepted
    ftpChangingCurrentDirectory = 6,    // CWD sent
    ftpDeletingFile = 7,                // DELE sent
    ftpRemovingDirectory = 8,           // RMD sent
    ftpCreatingDirectory = 9,           // MKD sent
    ftpRenamingFile = 10,               // RNFR sent
    ftpEstablishingDataConnection = 11, // PORT or PASV data connection being prepared
    ftpDataConnectionEstablished = 12,  // never entered by the client
    ftpRetrievingDirectoryInfo = 13,    // PWD or LIST sent; TYPE/PASV/PORT/REST sent for EnumFiles
    ftpDirectoryInfoRetrieved = 14,     // never entered by the client
    ftpDownloadInProgress = 15,         // RETR sent; TYPE/PASV/PORT/REST sent for DownloadFile
    ftpDownloadCompleted = 16,          // never entered by the client
    ftpUploadInProgress = 17,           // STOR sent; TYPE/PASV/PORT/REST sent for UploadFile
    ftpUploadCompleted = 18,            // never entered by the client
};
// QUIT sent: a state value without a name or a status text.
inline constexpr int ftpQuitSentState = 19;

// Result code carried by every completion event.
enum AsyncResult : int {
    arStatusOk = 0,
    arStatusError = 1,
    arStatusTimeOut = 2, // repeats every TimeOut seconds until the caller ends the method
    arStatusCancel = 3,  // the method was ended by CancelAsyncMethod / CloseControlConnection / a new Connect
};

// Second argument of CFtpClient::SessionProtocolMessage.
enum FtpMessageKind : int {
    FTP_USER_COMMAND = 0,
    FTP_SERVER_RESPONSE = 1,
    FTP_SERVER_BAD_RESPONSE = 2,
    FTP_APPLICATION_MESSAGE = 3, // for callers' own lines; the client never sends it
};

// Message table key of a session state's status text ("msgStatusReady" for
// ftpFreeState ... "msgStatusUploadComplete" for ftpUploadCompleted), or
// nullptr for a state without a text (the QUIT state 19).
const char *SessionStatusKey(int state);

} // namespace vexl
