// The history list of the main window: a list view over the entries of
// `view`, rows painted by the item delegate. Rebuilding is a model reset.
#pragma once

#include "history/content_item.h"

#include <cstdint>
#include <memory>
#include <QListView>
#include <vector>

class history_item_delegate;
class history_list_model;
class row_image_maker;

class history_list : public QListView {
    Q_OBJECT
public:
    explicit history_list(QWidget* parent = nullptr);
    ~history_list() override;

    // Row pictures are made by images, off this thread; the row repaints
    // when its picture is ready. images must outlive the list's requests.
    void SetImageMaker(row_image_maker* images);
    void SetLook(bool dark, bool remove_style);

    // Shows at most max_rows entries of view and selects row 0.
    void Rebuild(const std::vector<content_item>* view, std::int64_t max_rows, bool compact);

    int count() const;
    int currentRow() const;
    void setCurrentRow(int row);
    // Selected rows, top to bottom.
    std::vector<int> SelectedRows() const;

    history_list_model* listModel() const { return model_; }

    // Letter keys are the window's commands (copy, paste, ...), not a
    // search that moves the current row first.
    void keyboardSearch(const QString&) override { }
    history_item_delegate* delegate() const { return delegate_; }

signals:
    void itemSelectionChanged();
    // The row's index, as a list widget's double click gives it.
    void itemDoubleClicked(int row);

private:
    history_list_model* model_;
    history_item_delegate* delegate_;
    row_image_maker* images_ = nullptr;
    // Guards the queued repaint of a picture that arrives after the list is gone.
    std::shared_ptr<char> alive_ = std::make_shared<char>();
};
