#pragma once
// The About window: the product's name and version, a short description, links to the
// maker's web site and e-mail address, the author and the maker's notice. Its size is fixed.

#include <QDialog>

class QLabel;
class QPushButton;

namespace app {

class LinkLabel;

class TformAbout : public QDialog {
    Q_OBJECT

  public:
    explicit TformAbout(QWidget* parent = nullptr);

    QLabel* labelInfo;
    LinkLabel* labelWeb;
    LinkLabel* labelEmail;
    QLabel* labelAutor;
    QLabel* labelNotice;
    QPushButton* btnOk;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormCreate();
    bool FormKeyDown(QKeyEvent& key);
    void btnOkClick();
    void labelWebClick();
    void labelEmailClick();
};

}  // namespace app
