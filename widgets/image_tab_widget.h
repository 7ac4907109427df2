// A strip of equal areas, each an image or a text, one of them highlighted.
// A click reports the clicked area's value.
#pragma once

#include <cstdint>
#include <memory>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <vector>

class image_tab_widget : public QWidget {
    Q_OBJECT
public:
    struct area {
        std::shared_ptr<QPixmap> pixmap;
        std::int64_t value = 0;
        int mode = 0; // 0 draws the pixmap, anything else the text
        QString text;

        // Mode 0 loads the pixmap from source (an image path), other modes
        // take source as the text.
        static area Make(const QString& source, std::int64_t value, int mode = 0);
    };

    explicit image_tab_widget(QWidget* parent = nullptr);

    void addArea(const area& a);
    // Replaces an area and repaints; an index beyond the end only repaints.
    void setArea(std::size_t index, const area& a);
    // An empty area beyond the end.
    area areaAt(std::size_t index) const;
    std::size_t areaCount() const { return areas_.size(); }
    // Makes current the last area carrying the value.
    void selectValue(std::int64_t value);
    std::size_t currentIndex() const { return current_; }
    // The highlight and text colours of the theme; light until told.
    void SetDark(bool dark);

signals:
    // A left click on an area other than the current one, or on the
    // favourites area at any time. A receiver may rebuild the areas.
    void chosen(qint64 value);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<area> areas_;
    std::size_t current_ = 0;
    bool dark_ = false;
};
