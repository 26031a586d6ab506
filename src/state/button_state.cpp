#include "state/button_state.h"

#include "state/state_rules.h"

namespace bevelmint::state {

ButtonState defaultState() {
    ButtonState s;
    updateDerived(s);
    return s;
}

const char* shapeKindName(ShapeKind kind) {
    switch (kind) {
        case ShapeKind::rect:
            return "rect";
        case ShapeKind::elips:
            return "elips";
        case ShapeKind::rrect:
            return "rrect";
    }
    return "rect";
}

bool parseShapeKind(const std::string& text, ShapeKind& kind) {
    for (ShapeKind k : {ShapeKind::rect, ShapeKind::elips, ShapeKind::rrect}) {
        if (text == shapeKindName(k)) {
            kind = k;
            return true;
        }
    }
    return false;
}

const char* exportFormatName(ExportFormat format) {
    switch (format) {
        case ExportFormat::gif:
            return "gif";
        case ExportFormat::jpg:
            return "jpg";
        case ExportFormat::bmp:
            return "bmp";
    }
    return "gif";
}

bool parseExportFormat(const std::string& text, ExportFormat& format) {
    for (ExportFormat f : {ExportFormat::gif, ExportFormat::jpg, ExportFormat::bmp}) {
        if (text == exportFormatName(f)) {
            format = f;
            return true;
        }
    }
    return false;
}

}  // namespace bevelmint::state
