// The history list's model: one row per entry of the view the main window
// points it at. A rebuild is a reset; the folded text of each entry is kept
// across resets, so a search keystroke folds nothing it folded before.
#pragma once

#include "history/content_item.h"
#include "history/row_text.h"

#include <cstdint>
#include <QAbstractListModel>
#include <string>
#include <unordered_map>
#include <vector>

class history_list_model : public QAbstractListModel {
    Q_OBJECT
public:
    explicit history_list_model(QObject* parent = nullptr);

    // Shows at most max_rows entries of view (null: none). The vector must
    // outlive the rows; a vector changed without a reset is read only within
    // its current size.
    void Reset(const std::vector<content_item>* view, std::int64_t max_rows, bool compact);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // Display: the shown text; tool tip: the details, read when asked.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Null for a row the view no longer holds.
    const content_item* Item(int row) const;
    // The text a text or file row shows, folded to 1 or 5 lines.
    const row_text::shown_text& Shown(int row) const;
    bool compact() const { return compact_; }

private:
    const std::vector<content_item>* view_ = nullptr;
    int rows_ = 0;
    bool compact_ = false;
    // Keyed by content path, which names one entry for its whole life.
    mutable std::unordered_map<std::string, row_text::shown_text> shown_;
};
