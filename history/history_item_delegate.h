// Paints a history row from its entry: type flag, favourite bar, folded
// text or scaled picture, and the source program's icon. What is costly to
// draw (scaled pictures, icons, rich-text layouts) is kept per entry.
#pragma once

#include "history/entry_image.h"

#include <functional>
#include <memory>
#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <unordered_map>

class QTextDocument;

class history_item_delegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit history_item_delegate(QObject* parent = nullptr);
    ~history_item_delegate() override;

    // Text colour by theme; remove_style shows every text as plain text.
    void SetLook(bool dark, bool remove_style);
    // Asked for an image entry whose row picture is not made yet.
    void SetImageRequest(std::function<void(const std::shared_ptr<entry_image>&)> request);
    // Drops cached pictures of entries that are gone.
    void Prune();

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    const QFont& font() const { return font_; }
    int line_spacing() const { return line_spacing_; }

private:
    struct picture {
        std::weak_ptr<entry_image> entry;
        QPixmap pixmap;
    };
    QPixmap Picture(const std::shared_ptr<entry_image>& image, const QSize& size) const;
    QPixmap Icon(const std::string& path) const;
    QTextDocument* RichText(const QString& key, const QString& text) const;

    QFont font_;
    int line_spacing_ = 0;
    bool dark_ = false;
    bool remove_style_ = true;
    QPixmap text_flag_;
    QPixmap image_flag_;
    QPixmap file_flag_;
    std::function<void(const std::shared_ptr<entry_image>&)> request_image_;
    mutable std::unordered_map<const entry_image*, picture> pictures_;
    mutable QHash<QString, QPixmap> icons_;
    mutable QHash<QString, std::shared_ptr<QTextDocument>> rich_texts_;
};
