#include "history/history_list.h"

#include "history/history_item_delegate.h"
#include "history/history_list_model.h"
#include "history/row_image_maker.h"

#include <algorithm>
#include <QCoreApplication>
#include <QItemSelectionModel>

history_list::history_list(QWidget* parent)
    : QListView(parent)
    , model_(new history_list_model(this))
    , delegate_(new history_item_delegate(this))
{
    setObjectName(QStringLiteral("listWidget"));
    setModel(model_);
    setItemDelegate(delegate_);
    setMovement(QListView::Static);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setIconSize(QSize(160, 160));
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setMouseTracking(true);
    setToolTip(tr("双击列表选项即可将内容自动粘贴到之前的编辑窗口"));
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &history_list::itemSelectionChanged);
    connect(this, &QAbstractItemView::doubleClicked, this,
        [this](const QModelIndex& index) { emit itemDoubleClicked(index.row()); });
}

history_list::~history_list() = default;

void history_list::SetImageMaker(row_image_maker* images)
{
    images_ = images;
    std::weak_ptr<char> alive = alive_;
    delegate_->SetImageRequest([this, alive](const std::shared_ptr<entry_image>& image) {
        if (!images_)
            return;
        images_->Request(image, [this, alive] {
            // On the worker thread: the repaint is handed to the GUI thread,
            // through the application object, which outlives every list.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [this, alive] {
                    if (!alive.expired())
                        viewport()->update();
                },
                Qt::QueuedConnection);
        });
    });
}

void history_list::SetLook(bool dark, bool remove_style)
{
    delegate_->SetLook(dark, remove_style);
    viewport()->update();
}

void history_list::Rebuild(
    const std::vector<content_item>* view, std::int64_t max_rows, bool compact)
{
    const bool had_selection = selectionModel()->hasSelection();
    model_->Reset(view, max_rows, compact);
    delegate_->Prune();
    if (model_->rowCount() > 0)
        setCurrentRow(0);
    else if (had_selection)
        emit itemSelectionChanged();
}

int history_list::count() const
{
    return model_->rowCount();
}

int history_list::currentRow() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() : -1;
}

void history_list::setCurrentRow(int row)
{
    selectionModel()->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::ClearAndSelect);
}

std::vector<int> history_list::SelectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}
