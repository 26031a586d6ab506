#pragma once

// One table of names for each of the design's choices: what --set and --format
// take, what --help and refusals list, what a design file's extension lines hold
// and, where a design file stores a number instead, that number.

#include <string>
#include <string_view>

#include "state/button_state.h"
#include "state/web_settings.h"

namespace bevelmint::state {

template <class E>
struct EnumName {
    E value;
    const char* name;
    int fileCode = -1;  // the design file's number for it; -1: stored by name, if at all
};

// Each choice's table: kNames lists every value once, the default first.
template <class E>
struct EnumNames;

template <>
struct EnumNames<ShapeKind> {
    static constexpr EnumName<ShapeKind> kNames[] = {{ShapeKind::rect, "rect", 1},
                                                     {ShapeKind::elips, "elips", 2},
                                                     {ShapeKind::rrect, "rrect", 3}};
};

template <>
struct EnumNames<ExportFormat> {
    static constexpr EnumName<ExportFormat> kNames[] = {{ExportFormat::gif, "gif", 2},
                                                        {ExportFormat::jpg, "jpg", 1},
                                                        {ExportFormat::bmp, "bmp", 0}};
};

template <>
struct EnumNames<PictureFormat> {
    static constexpr EnumName<PictureFormat> kNames[] = {
        {PictureFormat::gif, "gif"}, {PictureFormat::jpg, "jpg"},   {PictureFormat::bmp, "bmp"},
        {PictureFormat::png, "png"}, {PictureFormat::webp, "webp"}, {PictureFormat::svg, "svg"}};
};

template <>
struct EnumNames<WebFormat> {
    static constexpr EnumName<WebFormat> kNames[] = {
        {WebFormat::png, "png"}, {WebFormat::webp, "webp"}, {WebFormat::svg, "svg"}};
};

template <>
struct EnumNames<WebMarkup> {
    static constexpr EnumName<WebMarkup> kNames[] = {{WebMarkup::cssPage, "css-page"},
                                                     {WebMarkup::cssSnippet, "css-snippet"},
                                                     {WebMarkup::imgBundle, "img-page"},
                                                     {WebMarkup::livePage, "live-page"},
                                                     {WebMarkup::liveSnippet, "live-snippet"}};
};

template <class E>
const char* nameOf(E value) {
    for (const EnumName<E>& e : EnumNames<E>::kNames)
        if (e.value == value) return e.name;
    return EnumNames<E>::kNames[0].name;
}

// False, and `out` untouched, for a name the table does not hold.
template <class E>
bool parseName(std::string_view text, E& out) {
    for (const EnumName<E>& e : EnumNames<E>::kNames) {
        if (text == e.name) {
            out = e.value;
            return true;
        }
    }
    return false;
}

template <class E>
int fileCodeOf(E value) {
    for (const EnumName<E>& e : EnumNames<E>::kNames)
        if (e.value == value) return e.fileCode;
    return EnumNames<E>::kNames[0].fileCode;
}

// False, and `out` untouched, for a number the design file does not use.
template <class E>
bool fromFileCode(int code, E& out) {
    for (const EnumName<E>& e : EnumNames<E>::kNames) {
        if (e.fileCode >= 0 && e.fileCode == code) {
            out = e.value;
            return true;
        }
    }
    return false;
}

// "a, b or c", in the table's order.
template <class E>
std::string nameChoices() {
    std::string text;
    const size_t n = std::size(EnumNames<E>::kNames);
    for (size_t i = 0; i < n; ++i)
        text += std::string(i == 0       ? ""
                            : i + 1 == n ? " or "
                                         : ", ") +
                EnumNames<E>::kNames[i].name;
    return text;
}

}  // namespace bevelmint::state
