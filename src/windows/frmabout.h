#pragma once

#include <QDialog>
#include <QUrl>
#include <memory>

namespace Ui {
class frmAbout;
}

namespace vexl {

// The About box: version, description, terms and conditions, the ImageMagick
// licence (read from ImageMagickLicense.txt in the program's folder each time
// the box is shown) and links to the maker's pages.
class frmAbout final : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

    // The licence file the box reads.
    static QString LicenseFile();
    // Where each link and button leads.
    static QUrl DonateUrl();
    static QUrl BugUrl();
    static QUrl FeedbackUrl();
    static QUrl ProductUrl();
    static QUrl HomeUrl();
    static QUrl ImageMagickUrl();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void Form_Load();
    void Form_Activate();
    void open(const QUrl &url, const QString &procedure);
    void setTexts();

    std::unique_ptr<Ui::frmAbout> m_ui;
};

} // namespace vexl
