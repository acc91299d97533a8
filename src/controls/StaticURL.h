#pragma once

#include <QLabel>
#include <QUrl>

#include <functional>

// A static text that works as a link: blue and underlined, magenta while the
// pointer is over it, red while pressed. A release inside it hands its
// address to the desktop's default handler (browser, mail program).
class StaticURL : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString URL READ URL WRITE setURL)
public:
    static inline const QColor RestColour{0x00, 0x00, 0xFF};
    static inline const QColor OverColour{0xFF, 0x00, 0xFF};
    static inline const QColor PressedColour{0xFF, 0x00, 0x00};

    explicit StaticURL(QWidget *parent = nullptr);

    // The address to open; when empty, the caption is opened instead.
    QString URL() const { return m_url; }
    void setURL(const QString &url) { m_url = url; }

    QColor textColour() const;

    // The opening step: sets the link look, then raises Open so that the
    // window can fill in caption and address.
    void runOpen();

    // How an address reaches the desktop. Replaceable in tests.
    static std::function<void(const QUrl &)> opener;

Q_SIGNALS:
    void Open();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setTextColour(const QColor &colour);

    QString m_url;
};
