#pragma once
#include "platform/QtCanvas.h"
#include "views/Printer.h"

class QPrinter;

// The core's printer over a QPrinter: its page is a canvas of the printable
// area in printer pixels.
class QtPrinter : public sloopform::TPrinter {
public:
    // `printer` outlives this object.
    explicit QtPrinter(QPrinter& printer);

    void SetPortrait() override;
    // The job's document name.
    void SetTitle(const std::string& title) override;
    // Starts the document; throws when the printer cannot start it.
    void BeginDoc() override;
    void EndDoc() override;

    sloopform::Canvas& PageCanvas() override { return page_; }
    long double PageWidthMm() const override;
    long double PageHeightMm() const override;

private:
    QPrinter& printer_;
    QtCanvas page_;
};
