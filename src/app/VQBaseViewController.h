#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// Base of the main window's page controllers. The controller is a QObject that owns one page
// widget, created on the first call of view(): view() calls loadView() (which makes a plain
// QWidget unless a subclass makes another) and then viewDidLoad(). The base viewDidLoad()
// observes "kUpdateTitleNotification" with configTitle() (owner: the controller). A page
// overrides viewDidLoad(), calls the base first and then its own configUI(), configData() and
// configTitle(); in the base these three do nothing.
//
// The page widget may be given a parent (the main window's right-hand area); when its parent
// deletes it first, view() does not make a new one. A view without a parent is deleted with
// the controller. Main thread only.
class VQBaseViewController : public QObject {
    Q_OBJECT
public:
    explicit VQBaseViewController(QObject* parent = nullptr);
    ~VQBaseViewController() override;

    // The page widget, loaded on first use; nullptr only after its parent destroyed it.
    QWidget* view();
    bool isViewLoaded() const { return m_loaded; }

    virtual void configUI();
    virtual void configData();
    virtual void configTitle();

protected:
    // Makes the page widget; the default is an empty QWidget. The result must not be null.
    virtual QWidget* loadView();
    // Called once, right after loadView().
    virtual void viewDidLoad();

private:
    QPointer<QWidget> m_view;
    bool m_loaded = false;
};
