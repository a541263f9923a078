#pragma once

#include <QLabel>

// Link label: underlined black text that acts on a click of the left mouse button.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, const QFont& font, QWidget* parent);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool pressed_ = false;
    bool sizePending_ = true; // measured when first shown, like Label
};
