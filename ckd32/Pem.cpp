#include "Pem.h"

#include <string>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t kLineLength = 64;
constexpr std::string_view kWhitespace = " \t\r\n";

int Base64Value(char c)
{
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

void AppendText(Bytes& out, std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }

std::string Armour(std::string_view edge, std::string_view label)
{
    return "-----" + std::string(edge) + " " + std::string(label) + "-----";
}

} // namespace

Bytes Base64Encode(ByteView data)
{
    Bytes out;
    out.reserve((data.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < data.size(); i += 3) {
        std::size_t n = data.size() - i < 3 ? data.size() - i : 3;
        std::uint32_t group = static_cast<std::uint32_t>(data[i]) << 16;
        if (n > 1) group |= static_cast<std::uint32_t>(data[i + 1]) << 8;
        if (n > 2) group |= data[i + 2];
        for (std::size_t k = 0; k < 4; ++k)
            out.push_back(k <= n ? static_cast<std::uint8_t>(kAlphabet[(group >> (18 - 6 * k)) & 0x3F]) : '=');
    }
    return out;
}

std::optional<Bytes> Base64Decode(std::string_view text)
{
    Bytes out;
    std::uint32_t group = 0;
    std::size_t inGroup = 0;
    std::size_t padding = 0;
    for (char c : text) {
        if (kWhitespace.find(c) != std::string_view::npos)
            continue;
        int value = Base64Value(c);
        if (c == '=' && inGroup >= 2) {
            ++padding;
            value = 0;
        } else if (value < 0 || padding > 0) {
            return std::nullopt; // foreign character, or data after the padding
        }
        group = (group << 6) | static_cast<std::uint32_t>(value);
        if (++inGroup == 4) {
            out.push_back(static_cast<std::uint8_t>(group >> 16));
            if (padding < 2) out.push_back(static_cast<std::uint8_t>(group >> 8));
            if (padding < 1) out.push_back(static_cast<std::uint8_t>(group));
            group = 0;
            inGroup = 0;
        }
    }
    if (inGroup != 0)
        return std::nullopt;
    return out;
}

Bytes PemEncode(std::string_view label, ByteView der)
{
    Bytes body = Base64Encode(der);
    Bytes out;
    out.reserve(body.size() + body.size() / kLineLength * 2 + 2 * label.size() + 48);
    AppendText(out, Armour("BEGIN", label));
    AppendText(out, "\r\n");
    for (std::size_t i = 0; i < body.size(); i += kLineLength) {
        std::size_t n = body.size() - i < kLineLength ? body.size() - i : kLineLength;
        out.insert(out.end(), body.begin() + static_cast<std::ptrdiff_t>(i),
                   body.begin() + static_cast<std::ptrdiff_t>(i + n));
        AppendText(out, "\r\n");
    }
    AppendText(out, Armour("END", label));
    AppendText(out, "\r\n");
    return out;
}

std::optional<Bytes> PemDecode(std::string_view text, std::string_view label)
{
    std::size_t first = text.find_first_not_of(kWhitespace);
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(kWhitespace) - first + 1);
    std::string begin = Armour("BEGIN", label);
    std::string end = Armour("END", label);
    if (!text.starts_with(begin) || !text.ends_with(end) || text.size() < begin.size() + end.size())
        return std::nullopt;
    return Base64Decode(text.substr(begin.size(), text.size() - begin.size() - end.size()));
}
