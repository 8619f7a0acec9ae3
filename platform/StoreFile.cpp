// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreFile.h"

#include "FileUpdate.h"

#include <cstdio>
#include <cstdlib>

#ifndef PIKORA_DEFAULT_STORE
#define PIKORA_DEFAULT_STORE "/var/lib/pikora/machine.reg"
#endif

namespace pikora {

namespace {

constexpr const char* rootPrefix = "HKEY_LOCAL_MACHINE\\";

bool sameKey(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; };
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty()
        && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'
            || text.back() == '\n')) {
        text.remove_suffix(1);
    }
    return text;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads a quoted text with \\ and \" escapes starting at text[0] == '"'. Sets `used` to the
// characters consumed, closing quote included.
std::optional<std::string> readQuoted(std::string_view text, std::size_t& used)
{
    if (text.empty() || text[0] != '"') {
        return std::nullopt;
    }
    std::string out;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            out.push_back(text[++i]);
        } else if (text[i] == '"') {
            used = i + 1;
            return out;
        } else {
            out.push_back(text[i]);
        }
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> readHexBytes(std::string_view text)
{
    // Bytes of one or two hex digits, separated by commas; blanks and line continuations
    // between them are allowed.
    std::vector<std::uint8_t> bytes;
    int current = 0;
    int digits = 0;
    for (char c : text) {
        if (c == ',' || c == ' ' || c == '\t' || c == '\\' || c == '\r' || c == '\n') {
            if (digits > 0) {
                bytes.push_back(static_cast<std::uint8_t>(current));
                current = 0;
                digits = 0;
            }
            continue;
        }
        const int digit = hexDigit(c);
        if (digit < 0 || digits == 2) {
            return std::nullopt;
        }
        current = current * 16 + digit;
        ++digits;
    }
    if (digits > 0) {
        bytes.push_back(static_cast<std::uint8_t>(current));
    }
    return bytes;
}

// Parses the data after '=' of a value line.
std::optional<StoreFile::Value> readData(std::string_view data)
{
    data = trim(data);
    StoreFile::Value value;
    if (!data.empty() && data[0] == '"') {
        std::size_t used = 0;
        auto text = readQuoted(data, used);
        if (!text || !trim(data.substr(used)).empty()) {
            return std::nullopt;
        }
        value.type = StoreFile::typeString;
        value.bytes.assign(text->begin(), text->end());
        value.bytes.push_back(0);
        return value;
    }
    if (data.substr(0, 6) == "dword:") {
        const auto digits = data.substr(6);
        if (digits.size() != 8) {
            return std::nullopt;
        }
        std::uint32_t number = 0;
        for (char c : digits) {
            const int digit = hexDigit(c);
            if (digit < 0) {
                return std::nullopt;
            }
            number = number * 16 + static_cast<std::uint32_t>(digit);
        }
        value.type = StoreFile::typeNumber;
        for (int i = 0; i < 4; ++i) {
            value.bytes.push_back(static_cast<std::uint8_t>(number >> (8 * i)));
        }
        return value;
    }
    if (data.substr(0, 4) == "hex:") {
        value.type = StoreFile::typeBinary;
        data.remove_prefix(4);
    } else if (data.substr(0, 4) == "hex(") {
        const auto close = data.find("):");
        if (close == std::string_view::npos || close == 4 || close > 12) {
            return std::nullopt;
        }
        // A type is a 32-bit number: up to 8 hex digits, kept as the int of the same bits.
        std::uint32_t type = 0;
        for (char c : data.substr(4, close - 4)) {
            const int digit = hexDigit(c);
            if (digit < 0) {
                return std::nullopt;
            }
            type = type * 16 + static_cast<std::uint32_t>(digit);
        }
        value.type = static_cast<int>(type);
        data.remove_prefix(close + 2);
    } else {
        return std::nullopt; // "-" (deleted) or something this reader does not know
    }
    auto bytes = readHexBytes(data);
    if (!bytes) {
        return std::nullopt;
    }
    value.bytes = std::move(*bytes);
    return value;
}

std::string escapeName(const std::string& name)
{
    std::string out;
    for (char c : name) {
        if (c == '\\' || c == '"') {
            out.push_back('\\');
        }
        out.push_back(c);
    }
    return out;
}

// Splits text into physical lines that keep their terminators.
std::vector<std::string> physicalLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.emplace_back(text, start, end - start);
        start = end;
    }
    return lines;
}

// Whether a physical line ends with the '\\' that continues a value on the next one. Only
// the line's end is looked at, so a long run of continued lines is read in one pass.
bool continues(std::string_view line)
{
    while (!line.empty()
        && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'
            || line.back() == '\n')) {
        line.remove_suffix(1);
    }
    return !line.empty() && line.back() == '\\';
}

// A continuation goes on with more hex bytes; a line that opens a key or a value ends it, so
// that a stray '\' at the end of a line cannot swallow a key or a value added after it.
bool opensEntry(const std::string& line)
{
    const auto body = trim(line);
    return !body.empty() && (body.front() == '[' || body.front() == '"' || body.front() == '@');
}

} // namespace

StoreFile::StoreFile(std::string text)
{
    m_sections.push_back(Section {});
    const auto lines = physicalLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto body = trim(lines[i]);
        if (!body.empty() && body.front() == '[' && body.back() == ']') {
            m_sections.push_back(Section { std::string(body.substr(1, body.size() - 2)), {} });
            m_sections.back().entries.push_back(Entry { lines[i], std::nullopt, std::nullopt });
            continue;
        }
        Entry entry { lines[i], std::nullopt, std::nullopt };
        while (continues(lines[i]) && i + 1 < lines.size() && !opensEntry(lines[i + 1])) {
            entry.raw += lines[++i];
        }
        std::size_t used = 0;
        const auto logical = trim(entry.raw);
        if (m_sections.size() > 1) {
            std::optional<std::string> name;
            if (logical.substr(0, 2) == "@=") {
                name = std::string();
                used = 1;
            } else {
                name = readQuoted(logical, used);
            }
            if (name && used < logical.size() && logical[used] == '=') {
                entry.name = std::move(name);
                entry.value = readData(logical.substr(used + 1));
            }
        }
        m_sections.back().entries.push_back(std::move(entry));
    }
}

const StoreFile::Section* StoreFile::findSection(const std::string& key) const
{
    for (std::size_t i = 1; i < m_sections.size(); ++i) {
        if (sameKey(m_sections[i].key, key)) {
            return &m_sections[i];
        }
    }
    return nullptr;
}

bool StoreFile::hasKey(const std::string& key) const
{
    return findSection(key) != nullptr;
}

std::string StoreFile::lineEnding() const
{
    for (const auto& section : m_sections) {
        for (const auto& entry : section.entries) {
            if (entry.raw.size() >= 2 && entry.raw.compare(entry.raw.size() - 2, 2, "\r\n") == 0) {
                return "\r\n";
            }
            if (!entry.raw.empty() && entry.raw.back() == '\n') {
                return "\n";
            }
        }
    }
    return "\n";
}

void StoreFile::addKey(const std::string& key)
{
    if (hasKey(key)) {
        return;
    }
    const std::string eol = lineEnding();
    auto& first = m_sections.front().entries;
    if (m_sections.size() == 1 && first.empty()) {
        first.push_back(Entry { std::string(header) + eol, std::nullopt, std::nullopt });
    }
    // Close the previous line and keep a blank line between keys, as the export form does.
    Entry* last = nullptr;
    for (auto& section : m_sections) {
        if (!section.entries.empty()) {
            last = &section.entries.back();
        }
    }
    if (last != nullptr && !last->raw.empty() && last->raw.back() != '\n') {
        last->raw += eol;
    }
    if (last != nullptr && !trim(last->raw).empty()) {
        m_sections.back().entries.push_back(Entry { eol, std::nullopt, std::nullopt });
    }
    m_sections.push_back(
        Section { key, { Entry { "[" + key + "]" + eol, std::nullopt, std::nullopt } } });
}

std::optional<StoreFile::Value> StoreFile::value(
    const std::string& key, const std::string& name) const
{
    const Section* section = findSection(key);
    if (section == nullptr) {
        return std::nullopt;
    }
    for (const auto& entry : section->entries) {
        if (entry.name && sameKey(*entry.name, name)) {
            return entry.value;
        }
    }
    return std::nullopt;
}

bool StoreFile::setValue(const std::string& key, const std::string& name, const Value& value)
{
    auto* section = const_cast<Section*>(findSection(key));
    if (section == nullptr) {
        return false;
    }
    const std::string eol = lineEnding();
    const std::string raw = formatValue(name, value) + eol;
    for (auto& entry : section->entries) {
        if (entry.name && sameKey(*entry.name, name)) {
            entry = Entry { raw, name, value };
            return true;
        }
    }
    // Append after the key's last non-blank line, so the blank line before the next key stays.
    std::size_t at = section->entries.size();
    while (at > 1 && trim(section->entries[at - 1].raw).empty()) {
        --at;
    }
    auto& before = section->entries[at - 1].raw;
    if (!before.empty() && before.back() != '\n') {
        before += eol;
    }
    section->entries.insert(
        section->entries.begin() + static_cast<std::ptrdiff_t>(at), Entry { raw, name, value });
    return true;
}

std::string StoreFile::text() const
{
    std::string out;
    for (const auto& section : m_sections) {
        for (const auto& entry : section.entries) {
            out += entry.raw;
        }
    }
    return out;
}

std::string StoreFile::formatValue(const std::string& name, const Value& value)
{
    std::string line = name.empty() ? std::string("@=") : "\"" + escapeName(name) + "\"=";
    char buffer[16];
    if (value.type == typeNumber && value.bytes.size() == 4) {
        std::uint32_t number = 0;
        for (int i = 3; i >= 0; --i) {
            number = (number << 8) | value.bytes[static_cast<std::size_t>(i)];
        }
        std::snprintf(buffer, sizeof buffer, "dword:%08x", number);
        return line + buffer;
    }
    if (value.type == typeBinary) {
        line += "hex:";
    } else {
        std::snprintf(buffer, sizeof buffer, "hex(%x):", static_cast<unsigned>(value.type));
        line += buffer;
    }
    for (std::size_t i = 0; i < value.bytes.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, i == 0 ? "%02x" : ",%02x", value.bytes[i]);
        line += buffer;
    }
    return line;
}

namespace {

// The key holds the store's lock from its opening to its closing, so that the values it
// read and the values it writes back are one cycle: another program's save waits for it.
class StoreFileKey : public SettingsKey
{
public:
    StoreFileKey(std::unique_ptr<FileUpdate> update, std::string key, StoreFile file)
        : m_update(std::move(update))
        , m_key(std::move(key))
        , m_file(std::move(file))
    { }

    std::optional<std::vector<std::uint8_t>> queryValue(const std::string& name) const override
    {
        auto value = m_file.value(m_key, name);
        if (!value) {
            return std::nullopt;
        }
        return value->bytes;
    }

    void setValue(
        const std::string& name, int type, const std::vector<std::uint8_t>& bytes) override
    {
        // A value that is already stored as it stands needs no save.
        const auto stored = m_file.value(m_key, name);
        if (stored && stored->type == type && stored->bytes == bytes) {
            return;
        }
        m_dirty = m_file.setValue(m_key, name, StoreFile::Value { type, bytes }) || m_dirty;
    }

    int close() override
    {
        if (!m_dirty) {
            m_update->release();
            return 0;
        }
        m_dirty = false;
        return m_update->commit(m_file.text());
    }

private:
    std::unique_ptr<FileUpdate> m_update;
    std::string m_key;
    StoreFile m_file;
    bool m_dirty = false;
};

} // namespace

std::string machineStorePath()
{
    // Never taken from the environment of a program that runs with rights its caller lacks.
    const char* fromEnvironment = secure_getenv("PIKORA_MACHINE_STORE");
    return (fromEnvironment != nullptr && *fromEnvironment != '\0') ? fromEnvironment
                                                                    : PIKORA_DEFAULT_STORE;
}

std::unique_ptr<SettingsKey> openStoreKey(const std::string& storePath, const std::string& keyPath)
{
    // Full access means the file opens for reading and writing, as the program's saves need.
    auto update = std::make_unique<FileUpdate>();
    if (update->begin(storePath, FileUpdate::Access::ReadWrite) != 0) {
        return nullptr;
    }
    const std::string key = rootPrefix + keyPath;
    StoreFile file(update->content());
    if (!file.hasKey(key)) {
        return nullptr;
    }
    return std::make_unique<StoreFileKey>(std::move(update), key, std::move(file));
}

int ensureStoreKey(const std::string& storePath, const std::string& keyPath,
    const std::vector<std::pair<std::string, StoreFile::Value>>& firstValues)
{
    FileUpdate update;
    if (const int error = update.begin(storePath, FileUpdate::Access::CreateRead); error != 0) {
        return error;
    }
    StoreFile file(update.content());
    const std::string key = rootPrefix + keyPath;
    if (file.hasKey(key)) {
        return 0;
    }
    file.addKey(key);
    for (const auto& [name, value] : firstValues) {
        file.setValue(key, name, value);
    }
    return update.commit(file.text());
}

} // namespace pikora
