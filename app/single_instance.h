// One running copy per user: a later start finds the running copy's local
// endpoint, wakes it and exits.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

class single_instance : public QObject {
    Q_OBJECT
public:
    // The fixed server name; on Unix it lives in the user's runtime folder.
    static constexpr const char* server_name = "quillbox_server";

    // The endpoint of this user: on Unix a socket path in $XDG_RUNTIME_DIR, or
    // in a private folder of the temporary folder; empty when no private
    // place exists.
    static QString EndpointName();

    // True when a running copy accepted a connection within the timeout. The
    // connection itself is the request to show its window.
    static bool ProbeRunning(int timeout_ms = 1000);

    // Becomes the running copy: removes a stale endpoint, listens (user-only
    // access) and posts msg_show_window for every incoming connection.
    bool Listen();
    void Close();
    bool IsListening() const;

private:
    void OnNewConnection();

    QLocalServer* server_ = nullptr;
};

// The process-wide instance server; Close it before the application object dies.
single_instance& SingleInstance();
