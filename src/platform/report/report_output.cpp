#include "platform/report/report_output.h"

#include "platform/report/messages.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <algorithm>
#include <vector>

namespace vantrel::report {

namespace {

QFont qtFont(const Font& font) {
    QFont f(font.family);
    f.setPointSizeF(font.size > 0 ? font.size : 10);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    // Outline fonts only: they embed in the PDF and print sharp.
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

QString oneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString memoLines(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

Qt::Alignment horizontal(Justify justify) {
    switch (justify) {
    case Justify::Center:
        return Qt::AlignHCenter;
    case Justify::Right:
        return Qt::AlignRight;
    case Justify::Left:
        break;
    }
    return Qt::AlignLeft;
}

class PagePainter {
public:
    PagePainter(QPainter& painter, QPagedPaintDevice& device)
        : painter_(painter), device_(device), dpiX_(device.logicalDpiX()),
          dpiY_(device.logicalDpiY()) {}

    void paint(const Element& e) {
        switch (e.kind) {
        case Kind::Text:
            text(e);
            break;
        case Kind::Memo:
            memo(e);
            break;
        case Kind::Line:
            line(e);
            break;
        case Kind::Rect:
            rect(e);
            break;
        case Kind::Bitmap:
            bitmap(e);
            break;
        }
    }

private:
    double x(double inches) const { return inches * dpiX_; }
    double y(double inches) const { return inches * dpiY_; }
    double pen(double points) const { return points / 72.0 * dpiY_; }
    QRectF box(const Element& e) const {
        return QRectF(x(e.left), y(e.top), x(e.width), y(e.height));
    }

    // A report uses a handful of fonts over hundreds of elements: each is resolved and
    // measured once.
    const QFontMetricsF& setFont(const Element& e) {
        auto found = std::find_if(fonts_.begin(), fonts_.end(),
                                  [&](const Resolved& r) { return r.font == e.font; });
        if (found == fonts_.end()) {
            const QFont qt = qtFont(e.font);
            fonts_.push_back({e.font, qt, QFontMetricsF(qt, &device_)});
            found = fonts_.end() - 1;
        }
        painter_.setFont(found->qt);
        painter_.setPen(e.font.color.isValid() ? e.font.color : QColor(Qt::black));
        return found->metrics;
    }

    void text(const Element& e) {
        QString shown = oneLine(e.text);
        if (shown.isEmpty())
            return;
        const QFontMetricsF& metrics = setFont(e);
        const double room = x(e.width);
        double advance = metrics.horizontalAdvance(shown);
        if (room > 0 && advance > room) {
            shown = metrics.elidedText(shown, Qt::ElideRight, room);
            advance = metrics.horizontalAdvance(shown);
        }
        double left = x(e.left);
        if (room > 0 && e.justify == Justify::Right)
            left += room - advance;
        else if (room > 0 && e.justify == Justify::Center)
            left += (room - advance) / 2;
        // The line sits in the middle of the element's height, clear of rules drawn
        // along the element's top or bottom edge.
        const double lineHeight = metrics.ascent() + metrics.descent();
        const double slack = std::max(0.0, y(e.height) - lineHeight);
        painter_.drawText(QPointF(left, y(e.top) + slack / 2 + metrics.ascent()), shown);
    }

    void memo(const Element& e) {
        const QString shown = memoLines(e.text);
        if (shown.trimmed().isEmpty())
            return;
        setFont(e);
        // A memo grows downwards with its text, as long as the page goes.
        QRectF area = box(e);
        area.setBottom(y(1000));
        painter_.drawText(area, int(horizontal(e.justify) | Qt::AlignTop | Qt::TextWordWrap),
                          shown);
    }

    void line(const Element& e) {
        if (e.lineWidth <= 0)
            return;
        QPen p(e.color.isValid() ? e.color : QColor(Qt::black), pen(e.lineWidth));
        p.setCapStyle(Qt::FlatCap);
        painter_.setPen(p);
        if (e.width > 0)
            painter_.drawLine(QPointF(x(e.left), y(e.top)), QPointF(x(e.left + e.width), y(e.top)));
        else if (e.height > 0)
            painter_.drawLine(QPointF(x(e.left), y(e.top)),
                              QPointF(x(e.left), y(e.top + e.height)));
    }

    void rect(const Element& e) {
        if (e.width <= 0 || e.height <= 0)
            return;
        if (e.fill.isValid())
            painter_.fillRect(box(e), e.fill);
        if (e.lineWidth > 0 && e.color.isValid()) {
            QPen p(e.color, pen(e.lineWidth));
            p.setJoinStyle(Qt::MiterJoin);
            painter_.setPen(p);
            painter_.setBrush(Qt::NoBrush);
            painter_.drawRect(box(e));
        }
    }

    void bitmap(const Element& e) {
        if (e.image.isNull() || e.width <= 0 || e.height <= 0)
            return;
        painter_.drawImage(box(e), e.image);
    }

    struct Resolved {
        Font font;
        QFont qt;
        QFontMetricsF metrics;
    };

    QPainter& painter_;
    QPagedPaintDevice& device_;
    double dpiX_;
    double dpiY_;
    std::vector<Resolved> fonts_;
};

QPageLayout paperLayout(const Report& report) {
    const QPageSize size(QSizeF(report.paperWidth, report.paperHeight), QPageSize::Inch, QString(),
                         QPageSize::FuzzyMatch);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

void paintOn(const Report& report, QPagedPaintDevice& device, const QString& deviceName) {
    QPainter painter;
    if (!painter.begin(&device))
        throw ReportError(messages::printerUnusable.arg(deviceName));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    PagePainter pages(painter, device);
    bool first = true;
    for (const Page& page : report.pages) {
        if (!first)
            device.newPage();
        first = false;
        for (const Element& e : page.elements)
            pages.paint(e);
    }
    painter.end();
}

} // namespace

void paintReport(const Report& report, QPagedPaintDevice& device) {
    paintOn(report, device, report.name);
}

void printReport(const Report& report, QPrinter& printer) {
    printer.setFullPage(true);
    printer.setDocName(report.title);
    printer.setCreator(report.creator);
    paintOn(report, printer,
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName());
}

void writePdf(const Report& report, const QString& pdfPath) {
    const QString shown = QDir::toNativeSeparators(pdfPath);
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly))
        throw ReportError(messages::pdfUnwritable.arg(shown, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setTitle(report.title);
        writer.setCreator(report.creator);
        writer.setPageLayout(paperLayout(report));
        paintReport(report, writer);
    }
    if (!file.commit())
        throw ReportError(messages::pdfUnwritable.arg(shown, file.errorString()));
}

void renderPdf(const QString& pageFilePath, const QString& pdfPath) {
    writePdf(readPageFile(pageFilePath), pdfPath);
}

} // namespace vantrel::report
