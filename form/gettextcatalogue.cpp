// SPDX-License-Identifier: MIT
#include "form/gettextcatalogue.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

namespace {

constexpr std::string_view domain = "rovalin";
constexpr std::uint32_t magic = 0x950412deU;
// No catalogue of the program's few dozen texts comes near this: a larger file is
// not one.
constexpr std::uintmax_t largestCatalogue = 1U << 20U;

// The catalogue's words, in the byte order it was written in: each read only where it
// lies inside the bytes.
class Words
{
public:
    explicit Words(std::string_view catalogue) : bytes(catalogue) {}

    [[nodiscard]] std::optional<std::uint32_t> at(std::uint64_t offset) const
    {
        if (offset + 4 > bytes.size())
            return std::nullopt;
        std::uint32_t word = 0;
        for (std::size_t index = 0; index < 4; ++index) {
            const auto byte = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + index]));
            word |= byte << (8U * (bigEndian ? 3 - index : index));
        }
        return word;
    }

    // The string whose length and offset stand at entry; nothing where it runs past
    // the end.
    [[nodiscard]] std::optional<std::string_view> string(std::uint64_t entry) const
    {
        const std::optional<std::uint32_t> length = at(entry);
        const std::optional<std::uint32_t> offset = at(entry + 4);
        if (!length || !offset || std::uint64_t{*offset} + *length > bytes.size())
            return std::nullopt;
        return bytes.substr(*offset, *length);
    }

    bool bigEndian = false;

private:
    std::string_view bytes;
};

} // namespace

GettextCatalogue::GettextCatalogue(Language::Entry language, std::map<std::string, std::string, std::less<>> texts)
    : Catalogue(std::move(language))
    , translations(std::move(texts))
{
}

std::shared_ptr<const GettextCatalogue> GettextCatalogue::read(const std::string &folder,
                                                               const Language::Entry &language)
{
    const std::filesystem::path path =
        std::filesystem::path(folder) / language.code / "LC_MESSAGES" / (std::string(domain) + ".mo");
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > largestCatalogue)
        return nullptr;
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file && !file.eof())
        return nullptr;
    std::optional<GettextCatalogue> catalogue = parsed(bytes, language);
    return catalogue ? std::make_shared<const GettextCatalogue>(std::move(*catalogue)) : nullptr;
}

std::optional<GettextCatalogue> GettextCatalogue::parsed(std::string_view bytes, Language::Entry language)
{
    Words words(bytes);
    if (words.at(0) != magic) {
        words.bigEndian = true;
        if (words.at(0) != magic)
            return std::nullopt;
    }
    const std::optional<std::uint32_t> revision = words.at(4);
    const std::optional<std::uint32_t> count = words.at(8);
    const std::optional<std::uint32_t> originals = words.at(12);
    const std::optional<std::uint32_t> translated = words.at(16);
    // Major revisions 0 and 1 lay the tables out alike.
    if (!revision || (*revision >> 16U) > 1 || !count || !originals || !translated)
        return std::nullopt;
    std::map<std::string, std::string, std::less<>> texts;
    for (std::uint64_t index = 0; index < *count; ++index) {
        const std::optional<std::string_view> original = words.string(*originals + 8 * index);
        const std::optional<std::string_view> translation = words.string(*translated + 8 * index);
        if (!original || !translation)
            return std::nullopt;
        // The header is the empty text, which is none of the program's. A text in a
        // context keeps the context before it ("menu\x04Check"), so it never stands
        // for one of the program's; of a text with plural forms, the singular is.
        if (original->empty())
            continue;
        texts.emplace(original->substr(0, original->find('\0')), translation->substr(0, translation->find('\0')));
    }
    return GettextCatalogue(std::move(language), std::move(texts));
}

std::string GettextCatalogue::translate(std::string_view text) const
{
    const auto found = translations.find(text);
    return found != translations.end() ? found->second : std::string(text);
}

std::string GettextCatalogue::folderBeside(std::string_view programFolder)
{
    return (std::filesystem::path(programFolder) / ".." / "share" / "locale").lexically_normal().string();
}
