#pragma once

#include "VQBaseView.h"

#include <QString>
#include <QUrl>

#include <functional>

class QVariantAnimation;
class VQButton;
class VQLabel;
class VQTransferAudioModel;

// The progress ring of a running transcription: a grey track, the share done as an arc (line
// width 2) and the pause image in the middle. Its click does nothing.
class VQTransferProgressRing : public QWidget {
    Q_OBJECT
public:
    explicit VQTransferProgressRing(QWidget* parent = nullptr);

    // 0.0 - 1.0; animated when asked.
    void setProgress(double progress, bool animated);
    double progress() const { return m_progress; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_progress = 0;
    QVariantAnimation* m_animation = nullptr;
};

// One row of the transcription list: the result file's path, then the progress ring while the
// transcription runs, else the button that shows the result file in the file manager.
class VQTransferAudioCellView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 30;

    explicit VQTransferAudioCellView(QWidget* parent = nullptr);

    void setModel(const VQTransferAudioModel& model);
    QString idStr() const { return m_idStr; }
    QString path() const { return m_path; }
    int status() const { return m_status; }
    double progress() const;
    VQButton* openBtn() const { return m_openBtn; }

    // Shows the file selected in the file manager (org.freedesktop.FileManager1.ShowItems on the
    // session bus), else opens its folder through the desktop opener. Returns at once.
    static void revealFile(const QString& path);

public Q_SLOTS:
    // Progress of the service's running transcription: taken when the row is this row.
    void speechManagerRecognitionUpdateTransferProgress(double progress, QObject* transferAudioModel);

private:
    VQLabel* m_nameLabel = nullptr;
    VQTransferProgressRing* m_progressBtn = nullptr;
    VQButton* m_openBtn = nullptr;
    QString m_idStr;
    QString m_path;
    int m_status = 0;
};
