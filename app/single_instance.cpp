#include "app/single_instance.h"

#include "core/log_categories.h"
#include "core/message_bus.h"
#include "core/message_ids.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifndef _WIN32
// A folder only this user can enter: created 0700, and refused when somebody
// else owns it or can reach into it.
bool IsPrivateFolder(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    ::mkdir(native.constData(), 0700);
    struct stat st { };
    if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        return false;
    if ((st.st_mode & 077) != 0 && ::chmod(native.constData(), 0700) != 0)
        return false;
    return true;
}
#endif

} // namespace

QString single_instance::EndpointName()
{
    const QString name = QLatin1String(server_name);
#ifdef _WIN32
    // Pipe names are machine-wide; the user name keeps each user's copy apart.
    return name + QLatin1Char('-') + qEnvironmentVariable("USERNAME");
#else
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir() || !IsPrivateFolder(folder)) {
        folder = QDir::tempPath() + QStringLiteral("/quillbox-") + QString::number(::getuid());
        if (!IsPrivateFolder(folder)) {
            qCWarning(log_shell) << "no private folder for the instance endpoint:" << folder;
            return {};
        }
    }
    return folder + QLatin1Char('/') + name;
#endif
}

bool single_instance::ProbeRunning(int timeout_ms)
{
    const QString endpoint = EndpointName();
    if (endpoint.isEmpty())
        return false;
    QLocalSocket probe;
    probe.connectToServer(endpoint, QIODevice::ReadWrite);
    return probe.waitForConnected(timeout_ms);
}

bool single_instance::Listen()
{
    const QString endpoint = EndpointName();
    if (endpoint.isEmpty())
        return false;
    if (!server_) {
        server_ = new QLocalServer(this);
        connect(server_, &QLocalServer::newConnection, this, &single_instance::OnNewConnection);
    }
    // A crashed copy leaves its endpoint behind.
    QLocalServer::removeServer(endpoint);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (server_->listen(endpoint))
        return true;
    if (server_->serverError() == QAbstractSocket::AddressInUseError && QFile::exists(endpoint)) {
        QFile::remove(endpoint);
        if (server_->listen(endpoint))
            return true;
    }
    qCWarning(log_shell) << "instance server not listening:" << server_->errorString();
    return false;
}

void single_instance::OnNewConnection()
{
    // Each connection is one request. It is accepted and dropped at once so
    // that unread connections never fill the queue and make later starts miss
    // this copy.
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        socket->disconnectFromServer();
        socket->deleteLater();
        bus::Post(msg_show_window, 0, 0);
    }
}

void single_instance::Close()
{
    // Deleted, not only closed: the process-wide object outlives the
    // application object, and the server must not.
    delete server_;
    server_ = nullptr;
}

bool single_instance::IsListening() const
{
    return server_ && server_->isListening();
}

single_instance& SingleInstance()
{
    static auto* instance = new single_instance;
    return *instance;
}
