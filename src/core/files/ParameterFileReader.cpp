#include "core/files/ParameterFile.h"
#include "core/files/ParameterFileLayout.h"
#include "core/files/TextFiles.h"
#include "core/files/WordScanner.h"

#include <cstdint>

namespace zarvex1 {

namespace {

std::uint16_t SelectionFlags(const LoadSelection &selection) {
    std::uint16_t flags = 0;
    for (int s = 0; s < static_cast<int>(selection.sections.size()); ++s)
        if (selection[s])
            flags |= static_cast<std::uint16_t>(1u << s);
    return flags;
}

void Store(ParameterImage &image, const FileField &f, std::int32_t value, int version) {
    const auto Raw = [value](int scale, int offset) {
        return static_cast<std::int64_t>(value / scale) - offset;
    };
    switch (f.kind) {
    case FieldKind::Word:
        image.setWord(f.address, static_cast<unsigned>(Raw(f.scale, f.offset)));
        return;
    case FieldKind::Byte:
        image.setByte(f.address, static_cast<unsigned>(Raw(f.scale, f.offset)));
        return;
    case FieldKind::LimiterDelay: {
        // A current file holds milliseconds, an older one seconds.
        const auto u = static_cast<std::uint32_t>(value);
        image.setByte(f.address, u < 100 ? u * 10 : u / 100);
        return;
    }
    case FieldKind::ServoHysteresis:
        image.setByte(f.address, static_cast<unsigned>(Raw(version == OlderParameterFileVersion ? 1 : 5, 0)));
        return;
    case FieldKind::LoadThreshold:
        image.setByte(f.address, static_cast<unsigned>(Raw(image.byte(Adrb::LoadSensor) == 2 ? 5 : 1, 0)));
        return;
    case FieldKind::GridBit: {
        // The first bit of a row starts the row afresh.
        unsigned row = f.bit == 0 ? 0u : image.byte(f.address);
        row = value != 0 ? row | (1u << f.bit) : row & ~(1u << f.bit);
        image.setByte(f.address, row);
        return;
    }
    }
}

// A value that is missing or no number ends the block; that word is then read as the next key word.
void ReadValues(WordScanner &in, const KeyWordLayout &k, ParameterImage &image, bool store, int version) {
    for (const auto &line : k.lines)
        for (const FileField &f : line) {
            const auto value = in.NextInteger();
            if (!value)
                return;
            if (store)
                Store(image, f, static_cast<std::int32_t>(static_cast<std::uint32_t>(*value)), version);
        }
}

void ReadKeyWord(WordScanner &in, const KeyWordLayout &k, ParameterImage &image,
                 const LoadSelection &selection, int version) {
    ReadValues(in, k, image, (k.flags & SelectionFlags(selection)) != 0, version);
    // The pilot-light and power-jet modes own their grids, whatever the file says.
    if (k.powerOutput >= 0) {
        const int mode = image.byte(Adrb::PowerOutMode + k.powerOutput);
        if (mode == 2 || mode == 3)
            PowerOutModeDefaults(image, k.powerOutput, true);
    }
}

// A parameter file saved as Unicode by a Windows editor: a UTF-8 or UTF-16 byte-order mark. Its key
// words and numbers are ASCII, so only those matter; any other character becomes a byte that is no
// part of a number or key word.
std::string AsciiText(std::string_view text) {
    const auto starts = [&](std::string_view mark) { return text.substr(0, mark.size()) == mark; };
    if (starts("\xEF\xBB\xBF"))
        return std::string(text.substr(3));
    const bool little = starts("\xFF\xFE");
    if (!little && !starts("\xFE\xFF"))
        return std::string(text);
    std::string ascii;
    ascii.reserve(text.size() / 2);
    for (std::size_t i = 2; i + 1 < text.size(); i += 2) {
        const auto low = static_cast<unsigned char>(text[little ? i : i + 1]);
        const auto high = static_cast<unsigned char>(text[little ? i + 1 : i]);
        ascii += high == 0 && low < 0x80 ? static_cast<char>(low) : '\x7F';
    }
    return ascii;
}

} // namespace

ReadPassResult ReadParameterFile(std::string_view text, ParameterImage &image, DefaultsState &state,
                                 int page) {
    state.loadSelection = LoadSelection::ForPage(page);
    ReadPassResult result;
    WordScanner in(text);
    bool keyFound = false;
    while (!keyFound && !in.AtEnd())
        keyFound = in.NextWord() == FileKeyWord;
    // Without the key word the text is no parameter file: nothing is stored, not even the defaults.
    if (!keyFound)
        return result;
    result.keyFound = true;

    const std::int64_t version = in.NextDecimal().value_or(0);
    if (version == OlderParameterFileVersion) {
        result.message = FileMessage::OlderVersion;
        // An older file is taken whole, over the defaults, whatever the page.
        SetDefaults(image, state, Page::All);
    } else if (version != ParameterFileVersion) {
        result.message = FileMessage::UnmatchedVersion;
        return result;
    }
    result.loadedVersion = static_cast<int>(version);

    while (!in.AtEnd())
        if (const KeyWordLayout *k = FindKeyWord(in.NextWord()))
            ReadKeyWord(in, *k, image, state.loadSelection, result.loadedVersion);
    return result;
}

LoadResult LoadParameterText(std::string_view fileText, int page, ParameterImage &image,
                             DefaultsState &state) {
    const std::string text = AsciiText(fileText);
    // Work on copies, so that a rejected file leaves the image and the state exactly as they were.
    ParameterImage work = image;
    DefaultsState workState = state;
    const ReadPassResult first = ReadParameterFile(text, work, workState, page);
    LoadResult result{false, first.loadedVersion, first.message, {}};
    if (first.loadedVersion == 0) {
        if (!first.keyFound)
            result.message = FileMessage::NoParameterSet;
        return result;
    }
    SetDefaults(work, workState, page);
    const ReadPassResult second = ReadParameterFile(text, work, workState, page);
    if (second.loadedVersion == 0)
        return result;
    image = work;
    state = workState;
    result.loaded = true;
    return result;
}

LoadResult LoadParameterFile(int page, const std::filesystem::path &path, ParameterImage &image,
                             DefaultsState &state) {
    std::error_code why;
    const auto text = ReadWholeFile(path, why);
    if (!text)
        return {false, 0, FileMessage::OpenFileError, why.message()};
    return LoadParameterText(*text, page, image, state);
}

std::string NoParameterSetText(int languageIndex) {
    switch (languageIndex) {
    case 1:
        return "Kein Parametersatz (MORVANEL_KEY) in der Datei";
    case 3:
        return "V souboru není sada parametrů (MORVANEL_KEY)";
    default:
        return "No parameter set (MORVANEL_KEY) in the file";
    }
}

} // namespace zarvex1
