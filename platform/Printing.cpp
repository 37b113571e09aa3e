#include "platform/Printing.h"

#include "platform/Dialogs.h"
#include "platform/Graphics.h"

#include <QPageSize>
#include <QPrinter>
#include <QStringList>

namespace {

const QString kSetupTag = QStringLiteral("yarrowen-page-setup");

QString pointsText(double value) { return QString::number(value, 'g', 10); }

// Two or four numbers joined by ","; false when the text is not that.
bool parseNumbers(const QString& text, int count, std::vector<double>& numbers) {
    const QStringList parts = text.split(',');
    if (parts.size() != count) return false;
    numbers.clear();
    for (const QString& part : parts) {
        bool ok = false;
        const double value = part.trimmed().toDouble(&ok);
        if (!ok) return false;
        numbers.push_back(value);
    }
    return true;
}

bool parsePageSize(const QString& text, QPageSize& size) {
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto sizeId = static_cast<QPageSize::PageSizeId>(id);
        if (sizeId != QPageSize::Custom && QPageSize::key(sizeId) == text) {
            size = QPageSize(sizeId);
            return true;
        }
    }
    std::vector<double> numbers;
    if (!parseNumbers(QString(text).replace('x', ','), 2, numbers)) return false;
    if (numbers[0] <= 0 || numbers[1] <= 0) return false;
    size = QPageSize(QSizeF(numbers[0], numbers[1]), QPageSize::Point, QString(), QPageSize::ExactMatch);
    return size.isValid();
}

}  // namespace

PrinterSetup::PrinterSetup()
    : layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(36, 36, 36, 36), QPageLayout::Point) {}

QString PrinterSetup::SetupString() const {
    const QPageSize size = layout.pageSize();
    QString sizeText;
    if (size.id() != QPageSize::Custom) {
        sizeText = QPageSize::key(size.id());
    } else {
        const QSizeF points = size.size(QPageSize::Point);
        sizeText = pointsText(points.width()) + "x" + pointsText(points.height());
    }
    const QMarginsF margins = layout.margins(QPageLayout::Point);
    return QStringList{kSetupTag,
                       "size=" + sizeText,
                       QString("orientation=") + (layout.orientation() == QPageLayout::Landscape ? "landscape" : "portrait"),
                       "margins=" + pointsText(margins.left()) + "," + pointsText(margins.top()) + "," +
                           pointsText(margins.right()) + "," + pointsText(margins.bottom()),
                       "resolution=" + QString::number(HorizontalResolution) + "," + QString::number(VerticalResolution)}
        .join(';');
}

bool PrinterSetup::setSetupString(const QString& setup) {
    const QStringList parts = setup.split(';');
    if (parts.size() != 5 || parts[0] != kSetupTag) return false;
    QPageSize size;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::vector<double> margins, resolution;
    for (int i = 1; i < parts.size(); ++i) {
        const QString name = parts[i].section('=', 0, 0);
        const QString value = parts[i].section('=', 1);
        if (name == "size") {
            if (!parsePageSize(value, size)) return false;
        } else if (name == "orientation") {
            if (value != "portrait" && value != "landscape") return false;
            orientation = value == "landscape" ? QPageLayout::Landscape : QPageLayout::Portrait;
        } else if (name == "margins") {
            if (!parseNumbers(value, 4, margins)) return false;
        } else if (name == "resolution") {
            if (!parseNumbers(value, 2, resolution) || resolution[0] <= 0 || resolution[1] <= 0) return false;
        } else {
            return false;
        }
    }
    if (!size.isValid() || margins.empty() || resolution.empty()) return false;
    const QMarginsF pageMargins(margins[0], margins[1], margins[2], margins[3]);
    QPageLayout candidate(size, orientation, QMarginsF(), QPageLayout::Point);
    // Margins must leave a printable area.
    if (pageMargins.left() < 0 || pageMargins.top() < 0 || pageMargins.right() < 0 || pageMargins.bottom() < 0)
        return false;
    const QRectF sheet = candidate.fullRect(QPageLayout::Point);
    if (pageMargins.left() + pageMargins.right() >= sheet.width() ||
        pageMargins.top() + pageMargins.bottom() >= sheet.height())
        return false;
    candidate.setMinimumMargins(QMarginsF());
    candidate.setMargins(pageMargins);
    layout = candidate;
    HorizontalResolution = Int(resolution[0]);
    VerticalResolution = Int(resolution[1]);
    return true;
}

int PrinterSetup::Width() const { return Int(layout.paintRect(QPageLayout::Point).width()); }
int PrinterSetup::Height() const { return Int(layout.paintRect(QPageLayout::Point).height()); }
int PrinterSetup::PageWidth() const { return Int(layout.fullRect(QPageLayout::Point).width()); }
int PrinterSetup::PageHeight() const { return Int(layout.fullRect(QPageLayout::Point).height()); }

bool PageSetupDialog(PrinterSetup& setup) { return dialogs().pageSetup(setup); }

std::shared_ptr<Graphics> OpenPrinterDialog(const PrinterSetup* setup, bool* cancelled) {
    const PrinterSetup defaults;
    const QPageLayout& page = setup ? setup->layout : defaults.layout;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setFullPage(false);
    printer->setPageLayout(page);
    const bool chosen = dialogs().printerDialog(*printer);
    if (cancelled) *cancelled = !chosen;
    if (!chosen) return nullptr;
    printer->setPageLayout(page);
    auto graphics = std::make_shared<Graphics>(std::move(printer));
    if (!graphics->painter().isActive()) return nullptr;
    return graphics;
}
