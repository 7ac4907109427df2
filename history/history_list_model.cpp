#include "history/history_list_model.h"

#include <algorithm>

history_list_model::history_list_model(QObject* parent)
    : QAbstractListModel(parent)
{
}

void history_list_model::Reset(
    const std::vector<content_item>* view, std::int64_t max_rows, bool compact)
{
    beginResetModel();
    if (compact != compact_)
        shown_.clear();
    view_ = view;
    compact_ = compact;
    const std::int64_t size = view ? static_cast<std::int64_t>(view->size()) : 0;
    rows_ = static_cast<int>(std::clamp<std::int64_t>(std::min(size, max_rows), 0, 1 << 30));
    // Entries that left the history leave the cache too, in one sweep when
    // it has grown well past what can be shown.
    if (shown_.size() > static_cast<size_t>(2 * rows_ + 64)) {
        std::unordered_map<std::string, row_text::shown_text> kept;
        for (int row = 0; row < rows_; ++row) {
            auto found = shown_.find((*view_)[static_cast<size_t>(row)].content);
            if (found != shown_.end())
                kept.insert(*found);
        }
        shown_.swap(kept);
    }
    endResetModel();
}

int history_list_model::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

const content_item* history_list_model::Item(int row) const
{
    if (!view_ || row < 0 || row >= rows_ || static_cast<size_t>(row) >= view_->size())
        return nullptr;
    return &(*view_)[static_cast<size_t>(row)];
}

const row_text::shown_text& history_list_model::Shown(int row) const
{
    static const row_text::shown_text none;
    const content_item* item = Item(row);
    if (!item || item->type == content_image)
        return none;
    auto found = shown_.find(item->content);
    if (found == shown_.end())
        found = shown_
                    .emplace(item->content,
                        row_text::Shown(item->text, item->type == content_file, compact_ ? 1 : 5))
                    .first;
    return found->second;
}

QVariant history_list_model::data(const QModelIndex& index, int role) const
{
    const content_item* item = Item(index.row());
    if (!item)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return item->type == content_image ? QString() : Shown(index.row()).text;
    case Qt::ToolTipRole:
        return item->type == content_image ? row_text::ImageToolTip(*item)
                                           : row_text::TextToolTip(*item);
    default:
        return {};
    }
}
