// The main window's part of the synchronisation: the account page that holds the
// connection, the server's instruction files applied to the history, the update prompt.
#include "app/main_window.h"

#include "actions/prompt_widget.h"
#include "core/message_ids.h"
#include "core/program_file.h"
#include "sync/download_writer.h"
#include "sync/history_instructions.h"
#include "sync/sync_link.h"
#include "sync/synced_list.h"
#include "widgets/login_widget.h"

#include <QFile>

namespace {

// The bytes the sync service took from the file when the news came, or the file as it is.
std::string InstructionBytes(const QString& path, std::int64_t a, bool remove_file)
{
    if (a != 0)
        return *reinterpret_cast<const std::string*>(a);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::string bytes = file.readAll().toStdString();
    file.close();
    if (remove_file)
        file.remove();
    return bytes;
}

} // namespace

void main_window::StartSync()
{
    login_ = std::make_unique<login_widget>(this, sync_link::instance(),
        ProgramFolder() + QStringLiteral("/user.json"), history_.ContentFolder());
}

void main_window::OnSyncMessage(std::int64_t id, std::int64_t a)
{
    const auto file = [this](const char* name) {
        return history_.ContentFolder() + QLatin1Char('/') + QLatin1String(name);
    };
    switch (id) {
    case msg_sync_append:
        if (a != 0 || QFile::exists(file("append.json")))
            history_instructions::ApplyAppend(
                history_, InstructionBytes(file("append.json"), a, true));
        break;
    case msg_sync_delete:
        if (a != 0 || QFile::exists(file("delete.json")))
            history_instructions::ApplyDelete(
                history_, InstructionBytes(file("delete.json"), a, true));
        break;
    case msg_sync_content:
        if (a != 0 || QFile::exists(file(synced_index_name)))
            history_instructions::ApplyContent(
                history_, InstructionBytes(file(synced_index_name), a, false));
        break;
    case msg_sync_collect:
        if (a != 0 || QFile::exists(file("collect.json")))
            history_instructions::ApplyCollect(
                history_, InstructionBytes(file("collect.json"), a, false));
        break;
    case msg_update_required:
        ShowUpdatePrompt();
        break;
    default:
        break;
    }
}

void main_window::ShowSyncedList(std::int64_t a)
{
    if (a == 0)
        return; // the server's index did not come
    const auto& list = *reinterpret_cast<const synced_list*>(a);
    std::vector<QString> uploaded;
    uploaded.reserve(list.uploaded_names.size());
    for (const std::string& name : list.uploaded_names)
        uploaded.push_back(QString::fromStdString(name));
    if (!history_.MergeSyncedIndex(QByteArray::fromStdString(list.index), uploaded))
        return;
    ShowNotice(tr("本地列表已与云上同步"));
    ShowHistory();
}

void main_window::ShowUpdatePrompt()
{
    if (!update_prompt_)
        update_prompt_ = new prompt_widget(
            this, tr("需要更新，前往下载？"), msg_update_accepted, msg_update_declined);
    update_prompt_->ShowPopup();
}
