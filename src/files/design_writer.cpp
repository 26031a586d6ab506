#include "files/design_file.h"

#include "image/bmp_writer.h"
#include "state/enum_names.h"

namespace bevelmint::files {

namespace {

class LineWriter {
  public:
    void byte(int64_t v) {
        out_.push_back(static_cast<char>(v & 0xFF));
        end();
    }
    void number(int64_t v) {
        out_ += std::to_string(v);
        end();
    }
    void text(const std::string& t) {
        out_ += t;
        end();
    }
    std::string take() { return std::move(out_); }

  private:
    void end() { out_ += "\r\n"; }
    std::string out_;
};

bool breaksLine(const std::string& t) {
    return t.find_first_of("\r\n") != std::string::npos;
}

}  // namespace

std::optional<base::FileError> encodeDesign(const state::ButtonState& s, std::string& out) {
    const std::pair<const std::string*, const char*> texts[] = {
        {&s.buttonText, "inscription"},
        {&s.textFont.face, "font name"},
        {&s.textureFileName, "texture file name"}};
    for (const auto& [text, what] : texts) {
        if (text == &s.textureFileName && !s.useTexture) continue;
        if (breaksLine(*text)) {
            return base::FileError{std::string("The ") + what +
                                   " holds a line break, which a design file cannot store."};
        }
    }
    LineWriter w;
    w.byte(state::fileCodeOf(s.shapeKind));
    w.byte(s.roundness);
    w.number(s.buttonWidth);
    w.number(s.buttonHeight);
    w.number(s.buttonDepth);
    for (int v : {s.buttonRed, s.buttonGreen, s.buttonBlue, s.textRed, s.textGreen, s.textBlue})
        w.byte(v);
    w.byte(s.lightPosition);
    w.byte(s.lightRadius);
    w.byte(s.lightIntensity);
    w.byte(s.borderFade);
    w.byte(s.lightenFront);
    w.byte(s.useText);
    w.text(s.buttonText);
    w.byte(static_cast<int64_t>(s.buttonText.size()));
    w.text(s.textFont.face);
    w.byte(s.textFont.bold);
    w.byte(s.textFont.italic);
    w.byte(s.textFont.size);
    w.byte(s.text3D);
    w.number(s.textOffsetX);
    w.number(s.textOffsetY);
    w.byte(s.useTexture);
    if (s.useTexture) {
        w.text(s.textureFileName);
        w.byte(s.textureBrightness);
    }
    w.byte(s.stretchPreview);
    w.byte(state::fileCodeOf(s.exportFormat));
    w.byte(s.exportPressed);
    w.byte(s.jpegCompression);
    w.byte(s.jpegProgressive);
    out = w.take() + extensionLines(s);
    return std::nullopt;
}

std::optional<base::FileError> designFiles(const std::string& path, const state::ButtonState& s,
                                           const render::TextureImages& images,
                                           std::vector<OutputFile>& out) {
    std::string bytes;
    if (auto error = encodeDesign(s, bytes)) return error;
    out.push_back({path, std::move(bytes), false});
    const image::Picture& texture = images.original;
    if (s.useTexture && texture.width() > 0 && texture.height() > 0) {
        std::string bytes = images.fileBytes.empty()
                                ? image::encodeBmp(texture, texture.width(), texture.height())
                                : images.fileBytes;
        out.push_back(
            {base::folderOf(path) + storedFileName(s.textureFileName), std::move(bytes), true});
    }
    std::vector<std::string> paths;
    for (const OutputFile& f : out)
        paths.push_back(f.path);
    return base::refuseSameFileTwice(paths);
}

namespace {

// The texture is named as a picture is; the design file as every file is.
base::FileError writeError(const std::vector<OutputFile>& files, const base::FileError& error) {
    for (const OutputFile& f : files)
        if (f.path == error.path && f.isTexture) return base::cannotCreate(error.path, error);
    return error;
}

}  // namespace

std::optional<base::FileError> stageDesignFiles(base::FileBatch& batch,
                                                const std::vector<OutputFile>& files) {
    for (const OutputFile& f : files) {
        // The texture beside its design is often the very file it was loaded from.
        const auto error =
            f.isTexture ? batch.stageUnlessSame(f.path, f.bytes) : batch.stage(f.path, f.bytes);
        if (error) return writeError(files, *error);
    }
    return std::nullopt;
}

std::optional<base::FileError> writeDesignFile(const std::string& path, const state::ButtonState& s,
                                               const render::TextureImages& images) {
    std::vector<OutputFile> files;
    if (auto error = designFiles(path, s, images, files)) return error;
    base::FileBatch batch;
    if (auto error = stageDesignFiles(batch, files)) return error;
    if (auto error = batch.commit()) return writeError(files, *error);
    return std::nullopt;
}

}  // namespace bevelmint::files
