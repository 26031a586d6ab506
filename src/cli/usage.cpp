// bevelmint-render's usage line and --help text.
#include "cli/usage.h"

#include <iostream>

#include "state/field_setter.h"

namespace bevelmint::cli {

const char* const kUsage =
    "Usage: bevelmint-render [DESIGN.bvm] [--texture FILE | --set FIELD=VALUE]...\n"
    "                        [--format FORMAT] [--palette] [--scale N | --scales N,N...]\n"
    "                        [--normal FILE] [--hover FILE] [--pressed FILE]\n"
    "                        [--sprite FILE] [--html FILE] [--save FILE.bvm]\n"
    "                        [--css-page FILE] [--css-snippet FILE] [--img-page FILE]\n"
    "                        [--live-page FILE] [--live-snippet FILE]\n"
    "                        [--labels FILE] [--report [--strict]] [--check]\n"
    "       bevelmint-render DESIGN.bvm [--set FIELD=VALUE]... --web\n";

void printHelp() {
    std::cout << kUsage
              << "\n"
                 "Renders a button design and writes its pictures. A design file given first is\n"
                 "loaded with its texture; the options then apply in the order given.\n"
                 "\n"
                 "  --set FIELD=VALUE  set a design field through the editor's rules (a depth\n"
                 "                     must fit the size set before it)\n"
                 "  --texture FILE     lay a Windows bitmap on the face, as the editor does: the\n"
                 "                     button shrinks to fit it and takes its colour\n"
                 "  --format FORMAT    gif, jpg, bmp, png, webp or svg; otherwise each file's\n"
                 "                     extension, else the design's (an SVG picture is drawn\n"
                 "                     by the browser, its text live, and written once\n"
                 "                     whatever the scales)\n"
                 "  --palette          write PNG pictures with at most 256 colours, alpha\n"
                 "                     included, where that keeps 45 dB PSNR; the others stay\n"
                 "                     lossless with a notice (on stderr and in --report)\n"
                 "  --scale N          draw the pictures N times larger (1 to 4)\n"
                 "  --scales 1,2,3     write every picture at each scale, \"@2x\" or \"@3x\"\n"
                 "                     inserted before the extension above 1\n"
                 "  --normal FILE      write the button at rest\n"
                 "  --hover FILE       write the button under the pointer (see hoverLift)\n"
                 "  --pressed FILE     write the button held down (sets exportPressed)\n"
                 "  --sprite FILE      write normal, hover and pressed stacked from the top\n"
                 "  --html FILE        write the HTML page that shows the exported pictures by\n"
                 "                     their bare names (not BMP)\n"
                 "  --css-page FILE    write a page with the button as a link styled by CSS\n"
                 "                     alone: the sprite (--sprite, by its bare name) switches\n"
                 "                     to hover and pressed, Tab shows an outline\n"
                 "  --css-snippet FILE write the same style rules and links without the page\n"
                 "  --img-page FILE    write a page with each button as an image in a link,\n"
                 "                     for e-mail and README files where styles are stripped\n"
                 "  --live-page FILE   write a page with each button drawn by CSS alone over its\n"
                 "                     label as real text, as wide as the label needs; no\n"
                 "                     pictures (a texture is written beside it as PNG)\n"
                 "  --live-snippet FILE write the same style rules and links without the page\n"
                 "  --labels FILE      one inscription a line (UTF-8): render the design once per\n"
                 "                     label, naming each file with \"-\" and the label's slug\n"
                 "                     before the extension; the pages show the whole set\n"
                 "  --report           print a JSON contrast, size and name report per button\n"
                 "  --strict           with --report: exit with 3 when text or edge contrast,\n"
                 "                     the 24 x 24 size or the name falls short (after writing)\n"
                 "  --check            write nothing; list each file that would differ from the\n"
                 "                     one on disk, or is missing, and exit with 1 if any does\n"
                 "                     (0 if none); the report is not printed then\n"
                 "  --save FILE.bvm    write the design, with its texture beside it\n"
                 "  --web              write what the window's Export for Web writes: the\n"
                 "                     pictures, sprites and page the design's web fields name\n"
                 "                     (webFolder, webBaseName, webFormat, webPalette,\n"
                 "                     webScales, webMarkup, webLabels), all or nothing; on\n"
                 "                     its own; a relative webFolder lies beside the design\n"
                 "                     file\n"
                 "  --help             show this text\n"
                 "  --version          show the version\n"
                 "\n"
                 "PNG and WebP (lossless) carry true alpha at round edges; the background\n"
                 "colour shows nowhere in them.\n"
                 "Export settings are fields too: jpegCompression, jpegProgressive, exportFormat.\n"
                 "Every error prints one line and exits with 2; nothing is written then.\n"
                 "\n"
                 "Fields and the values they take:\n";
    for (const std::string& line : state::fieldHelp())
        std::cout << "  " << line << "\n";
}

}  // namespace bevelmint::cli
