#include "printing/pdf_report.h"

#include <QBuffer>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <clocale>
#include <optional>
#include <string>

namespace viskora {
namespace {

// Fonts and text layout need a GUI application; one without a display will do.
class LayoutApplication {
  public:
    LayoutApplication() {
        if (QCoreApplication::instance() != nullptr) {
            return;
        }
        // Constructing it sets the C library's locale from the environment.
        const char* locale = std::setlocale(LC_ALL, nullptr);
        savedLocale_ = locale != nullptr ? locale : "C";
        // The calculator's error stream is its own: Qt's notes about the
        // session it finds stay out of it.
        previousHandler_ =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        application_.emplace(argc_, argv_);
    }
    ~LayoutApplication() {
        if (application_) {
            application_.reset();
            qInstallMessageHandler(previousHandler_);
            std::setlocale(LC_ALL, savedLocale_.c_str());
        }
    }
    LayoutApplication(const LayoutApplication&) = delete;
    LayoutApplication& operator=(const LayoutApplication&) = delete;

  private:
    char name_[13] = "viskora-calc";
    char option_[10] = "-platform";
    char platform_[10] = "offscreen";
    char* argv_[4] = {name_, option_, platform_, nullptr};
    int argc_ = 3;
    std::string savedLocale_;
    QtMessageHandler previousHandler_ = nullptr;
    std::optional<QGuiApplication> application_;
};

} // namespace

std::string pdfFromHtml(std::string_view htmlUtf8, std::string_view title) {
    const LayoutApplication application;
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
        writer.setCreator(QStringLiteral("Viskora"));
        QTextDocument document;
        document.setHtml(
            QString::fromUtf8(htmlUtf8.data(), static_cast<qsizetype>(htmlUtf8.size())));
        // Without shaping there are no ligatures: "fi" in "specific" stays
        // two letters for search and copy in a reader.
        QTextCursor everything(&document);
        everything.select(QTextCursor::Document);
        QTextCharFormat unshaped;
        unshaped.setFontStyleStrategy(QFont::PreferNoShaping);
        everything.mergeCharFormat(unshaped);
        document.print(&writer);
    }
    return pdf.data().toStdString();
}

} // namespace viskora
