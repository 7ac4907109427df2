#include "history/history_item_delegate.h"

#include "history/history_list_model.h"
#include "history/row_layout.h"
#include "resources/images.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QTextDocument>

namespace {

// Caches that grow with the history are emptied past this many entries.
constexpr int kCacheLimit = 2000;

} // namespace

history_item_delegate::history_item_delegate(QObject* parent)
    : QStyledItemDelegate(parent)
    , font_(QStringLiteral("Microsoft YaHei"))
{
    images::Init();
    font_.setPixelSize(16);
    line_spacing_ = QFontMetrics(font_).lineSpacing();
    text_flag_ = QPixmap(QStringLiteral(":/image/text_flag.png"));
    image_flag_ = QPixmap(QStringLiteral(":/image/image_flag.png"));
    file_flag_ = QPixmap(QStringLiteral(":/image/file_flag.png"));
}

history_item_delegate::~history_item_delegate() = default;

void history_item_delegate::SetLook(bool dark, bool remove_style)
{
    if (dark != dark_ || remove_style != remove_style_)
        rich_texts_.clear();
    dark_ = dark;
    remove_style_ = remove_style;
}

void history_item_delegate::SetImageRequest(
    std::function<void(const std::shared_ptr<entry_image>&)> request)
{
    request_image_ = std::move(request);
}

void history_item_delegate::Prune()
{
    for (auto it = pictures_.begin(); it != pictures_.end();) {
        if (it->second.entry.expired())
            it = pictures_.erase(it);
        else
            ++it;
    }
    if (icons_.size() > kCacheLimit)
        icons_.clear();
    if (rich_texts_.size() > kCacheLimit)
        rich_texts_.clear();
}

QSize history_item_delegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const auto* model = qobject_cast<const history_list_model*>(index.model());
    const content_item* item = model ? model->Item(index.row()) : nullptr;
    if (!item)
        return {};
    const int lines = item->type == content_image ? 0 : model->Shown(index.row()).lines;
    return row_layout::SizeHint(item->type, model->compact(), line_spacing_, lines);
}

QPixmap history_item_delegate::Picture(
    const std::shared_ptr<entry_image>& image, const QSize& size) const
{
    auto found = pictures_.find(image.get());
    if (found != pictures_.end() && !found->second.entry.expired()
        && found->second.pixmap.size() == size)
        return found->second.pixmap;
    const QImage row = image->RowImage();
    if (row.isNull()) {
        if (request_image_)
            request_image_(image);
        return {};
    }
    // The row picture is already the 200-high size; only compact rows scale it.
    QPixmap pixmap = QPixmap::fromImage(
        row.size() == size ? row : row.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pictures_[image.get()] = picture { image, pixmap };
    return pixmap;
}

QPixmap history_item_delegate::Icon(const std::string& path) const
{
    const QString key = QString::fromStdString(path);
    auto found = icons_.constFind(key);
    if (found != icons_.constEnd())
        return *found;
    QPixmap icon;
    if (!key.isEmpty() && icon.load(key))
        icon = icon.scaled(row_layout::icon_size, row_layout::icon_size, Qt::IgnoreAspectRatio,
            Qt::SmoothTransformation);
    icons_.insert(key, icon);
    return icon;
}

QTextDocument* history_item_delegate::RichText(const QString& key, const QString& text) const
{
    auto found = rich_texts_.find(key);
    if (found != rich_texts_.end())
        return found->get();
    auto document = std::make_shared<QTextDocument>();
    document->setDefaultFont(font_);
    document->setDocumentMargin(0);
    document->setDefaultStyleSheet(
        dark_ ? QStringLiteral("body{color:white}") : QStringLiteral("body{color:black}"));
    document->setHtml(text);
    rich_texts_.insert(key, document);
    return document.get();
}

void history_item_delegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto* model = qobject_cast<const history_list_model*>(index.model());
    const content_item* item = model ? model->Item(index.row()) : nullptr;
    if (!item)
        return;

    // Hover and selection backgrounds come from the theme's style sheet.
    QStyleOptionViewItem panel = option;
    initStyleOption(&panel, index);
    panel.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &panel, painter, widget);

    const bool compact = model->compact();
    const bool favourite = item->collect == favourite_mark;
    const QPixmap& flag = item->type == content_image ? image_flag_
        : item->type == content_file                  ? file_flag_
                                                      : text_flag_;
    painter->save();
    painter->setClipRect(option.rect);
    if (item->type == content_image) {
        QSize picture_size;
        if (item->pixmap)
            picture_size = row_layout::PictureSize(item->pixmap->Size(), compact);
        const row_layout::geometry g = row_layout::Place(
            option.rect, item->type, compact, 0, flag.size(), favourite, picture_size);
        painter->drawPixmap(g.flag.topLeft(), flag);
        if (favourite)
            painter->fillRect(g.bar, QColor(255, 64, 129));
        if (!picture_size.isEmpty()) {
            const QPixmap pixmap = Picture(item->pixmap, picture_size);
            if (!pixmap.isNull())
                painter->drawPixmap(g.body.topLeft(), pixmap);
        }
        const QPixmap icon = Icon(item->icons);
        if (!icon.isNull())
            painter->drawPixmap(g.icon.topLeft(), icon);
    } else {
        const row_text::shown_text& shown = model->Shown(index.row());
        const row_layout::geometry g = row_layout::Place(
            option.rect, item->type, compact, shown.lines, flag.size(), favourite);
        // The icon sits behind the text, as the row's own background.
        const QPixmap icon = Icon(item->icons);
        if (!icon.isNull())
            painter->drawPixmap(g.icon.topLeft(), icon);
        painter->drawPixmap(g.flag.topLeft(), flag);
        if (favourite)
            painter->fillRect(g.bar, QColor(255, 64, 129));
        const QRect text_rect(
            g.body.left(), g.body.top(), qMin(g.body.width(), 4026), g.body.height());
        if (!remove_style_ && Qt::mightBeRichText(shown.text)) {
            QTextDocument* document
                = RichText(QString::fromStdString(item->content) + QLatin1Char(compact ? 'c' : 'n'),
                    shown.text);
            const qreal height = document->size().height();
            painter->translate(text_rect.left(),
                text_rect.top() + qMax<qreal>(0, (text_rect.height() - height) / 2));
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = QRectF(0, 0, text_rect.width(), text_rect.height());
            context.palette.setColor(QPalette::Text, dark_ ? Qt::white : Qt::black);
            document->documentLayout()->draw(painter, context);
        } else {
            painter->setFont(font_);
            painter->setPen(dark_ ? Qt::white : Qt::black);
            painter->drawText(
                text_rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextExpandTabs, shown.text);
        }
    }
    painter->restore();
}
