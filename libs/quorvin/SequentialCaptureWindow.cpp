// The sequential-capture window: series settings from the settings file, progress, Stop.
#include "SequentialCaptureWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quorvin {

namespace {

template <typename Widget, typename... Args> Widget* named(const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

} // namespace

SequentialCaptureWindow::SequentialCaptureWindow(const CaptureDefaults& defaults,
                                                 int intervalSeconds, int count, QWidget* parent)
    : QDialog(parent), m_inputs(new QWidget),
      m_folder(named<QLineEdit>(FolderName, defaults.folder)),
      m_prefix(named<QLineEdit>(PrefixName, defaults.prefix)),
      m_format(named<QComboBox>(FormatName)), m_interval(named<QSpinBox>(IntervalName)),
      m_count(named<QSpinBox>(CountName)), m_firstFile(new QLabel), m_progress(new QProgressBar),
      m_start(named<QPushButton>(StartName, tr("&Start"))),
      m_stop(named<QPushButton>(StopName, tr("S&top"))), m_status(named<QLabel>(StatusName)) {
    setWindowTitle(tr("Camera Sequential Screen"));
    setMinimumWidth(460);

    for (const ImageFormatInfo& info : imageFormats()) {
        if (isWritable(info.format)) {
            m_format->addItem(QLatin1StringView(info.label), static_cast<int>(info.format));
        }
    }
    m_format->setCurrentIndex(m_format->findData(static_cast<int>(defaults.format)));
    m_interval->setRange(0, SequentialCapture::MaxIntervalSeconds);
    m_interval->setSuffix(tr(" s"));
    m_interval->setValue(intervalSeconds);
    m_count->setRange(1, SequentialCapture::MaxCount);
    m_count->setValue(count);
    // Folder and file names are shown as they are, never as markup.
    m_status->setTextFormat(Qt::PlainText);
    m_firstFile->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setText(defaults.notes.isEmpty() ? tr("Ready.") : defaults.notes.join(u' '));

    auto* browse = new QPushButton(tr("&Browse..."));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(browse);

    auto* form = new QFormLayout(m_inputs);
    form->setContentsMargins(0, 0, 0, 0);
    auto* folderLabel = new QLabel(tr("&Folder:"));
    folderLabel->setBuddy(m_folder);
    form->addRow(folderLabel, folderRow);
    form->addRow(tr("&Prefix:"), m_prefix);
    form->addRow(tr("F&ormat:"), m_format);
    form->addRow(tr("&Interval:"), m_interval);
    form->addRow(tr("&Count:"), m_count);
    form->addRow(tr("First file:"), m_firstFile);

    auto* close = new QPushButton(tr("C&lose"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_start);
    buttons->addWidget(m_stop);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_inputs);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);
    layout->addWidget(m_status);
    m_start->setDefault(true);

    connect(browse, &QPushButton::clicked, this, &SequentialCaptureWindow::browseFolder);
    connect(m_start, &QPushButton::clicked, this, &SequentialCaptureWindow::startSeries);
    connect(m_stop, &QPushButton::clicked, this, &SequentialCaptureWindow::stopSeries);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_folder, &QLineEdit::textChanged, this, &SequentialCaptureWindow::showFirstFileName);
    connect(m_prefix, &QLineEdit::textChanged, this, &SequentialCaptureWindow::showFirstFileName);
    connect(m_format, &QComboBox::currentIndexChanged, this,
            &SequentialCaptureWindow::showFirstFileName);
    connect(&m_capture, &SequentialCapture::changed, this, &SequentialCaptureWindow::showState);
    connect(&m_capture, &SequentialCapture::imageSaved, this, [this] { ++m_imagesWritten; });

    m_progress->setFormat(tr("%v of %m"));
    m_progress->setRange(0, count);
    m_progress->setValue(0);
    showFirstFileName();
    m_stop->setEnabled(false);
}

SeriesPlan SequentialCaptureWindow::plan() const {
    return {m_folder->text(), m_prefix->text(),
            static_cast<ImageFormat>(m_format->currentData().toInt()), m_interval->value(),
            m_count->value()};
}

void SequentialCaptureWindow::startSeries() {
    m_progress->setRange(0, m_count->value());
    m_progress->setValue(0);
    m_capture.start(plan());
}

void SequentialCaptureWindow::stopSeries() {
    m_capture.stop();
}

void SequentialCaptureWindow::done(int result) {
    m_capture.stop();
    QDialog::done(result);
}

void SequentialCaptureWindow::browseFolder() {
    const QString chosen = QFileDialog::getExistingDirectory(
        this, tr("Folder for the images"), QDir::fromNativeSeparators(m_folder->text()));
    if (!chosen.isEmpty()) {
        m_folder->setText(QDir::toNativeSeparators(chosen));
    }
}

void SequentialCaptureWindow::showState() {
    const bool running = m_capture.isRunning();
    m_inputs->setEnabled(!running);
    m_start->setEnabled(!running);
    m_stop->setEnabled(running);
    m_progress->setValue(m_capture.captured());
    m_status->setText(m_capture.statusText());
    if (!running) {
        showFirstFileName();
    }
}

void SequentialCaptureWindow::showFirstFileName() {
    const SeriesPlan next = plan();
    m_firstFile->setText(SequentialCapture::fileName(
        next.prefix, SequentialCapture::firstFreeNumber(next.folder, next.prefix), next.format));
}

} // namespace quorvin
