// SPDX-License-Identifier: MIT
#include "core/db/DatabaseFile.h"

#include "core/db/Extended80.h"
#include "core/db/Tfileexception.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>
#include <system_error>
#include <unordered_map>

namespace mensurio {

namespace {

constexpr const char* CategoryMarker = "Category";
constexpr const char* CategoryOrigin = "0 puvodce";
constexpr std::size_t MaxStringSize = UnitDatabase::MaxNameLength + 1;
constexpr std::size_t HeaderSize = 20;

void readExact(std::istream& in, void* buffer, std::size_t size)
{
    in.read(static_cast<char*>(buffer), static_cast<std::streamsize>(size));
    if (static_cast<std::size_t>(in.gcount()) != size)
        throw Tfileexception(Tfileexception::ShortRead);
}

std::int32_t readInt32(const std::uint8_t* p)
{
    const std::uint32_t v = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                            (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    return static_cast<std::int32_t>(v);
}

// A string occupies exactly `size` bytes: its length byte and its characters. Sizes the writer
// cannot produce are rejected instead of being read past.
std::string readString(std::istream& in, std::size_t size)
{
    if (size == 0 || size > MaxStringSize)
        throw Tfileexception(Tfileexception::ShortRead);
    std::uint8_t buffer[MaxStringSize];
    readExact(in, buffer, size);
    const std::size_t length = buffer[0];
    if (length + 1 > size)
        throw Tfileexception(Tfileexception::ShortRead);
    return UnitDatabase::CutName(std::string(reinterpret_cast<const char*>(buffer + 1), length));
}

bool atEnd(std::istream& in) { return in.peek() == std::char_traits<char>::eof(); }

struct RawRecord {
    std::string s1, s2, s3;
    UnitRecord unit; // Factor, Custom, Hidden, DefaultOrder
};

RawRecord readCurrentRecord(std::istream& in)
{
    std::uint8_t h[HeaderSize];
    readExact(in, h, HeaderSize);
    RawRecord r;
    r.unit.DefaultOrder = readInt32(h);
    r.unit.Factor = Extended80::Decode(h + 4);
    r.unit.Custom = h[14] ? 1 : 0;
    r.unit.Hidden = h[15] ? 1 : 0;
    r.s1 = readString(in, h[16]);
    r.s2 = readString(in, h[17]);
    r.s3 = readString(in, h[18]);
    return r;
}

RawRecord readLegacyRecord(std::istream& in)
{
    RawRecord r;
    std::string* strings[] = {&r.s1, &r.s2, &r.s3};
    for (std::string* s : strings) {
        std::uint8_t size = 0;
        readExact(in, &size, 1);
        *s = readString(in, size);
    }
    std::uint8_t tail[11];
    readExact(in, tail, sizeof tail);
    r.unit.Custom = tail[0] ? 1 : 0;
    r.unit.Factor = Extended80::Decode(tail + 1);
    return r;
}

// Adds records to the database by the insertion rule: a unit record goes to the current
// category when its name is exactly string 1, else to the first category of that name, created
// when there is none. The categories are indexed by name as they are added, so that each unit
// record costs constant time however the records are ordered.
class RecordInserter {
public:
    explicit RecordInserter(UnitDatabase& db) : m_db(db)
    {
        const auto& categories = db.Categories();
        for (std::size_t i = 0; i < categories.size(); ++i)
            m_firstByName.try_emplace(categories[i].Name, i);
    }

    void insert(RawRecord r, bool legacy)
    {
        if (r.s1 == CategoryMarker) {
            m_db.AppendCategoryRecord(r.s2, r.unit.Custom != 0, !legacy && r.unit.Hidden != 0);
            m_current = m_db.Categories().size() - 1;
            m_firstByName.try_emplace(m_db.Categories()[m_current].Name, m_current);
            return;
        }
        r.unit.Name = std::move(r.s2);
        r.unit.OriginUnit = std::move(r.s3);
        if (legacy)
            r.unit.Hidden = 0;
        const std::string category = UnitDatabase::CutName(r.s1);
        if (m_current == UnitDatabase::None || m_db.Categories()[m_current].Name != category) {
            const auto found = m_firstByName.find(category);
            if (found != m_firstByName.end()) {
                m_current = found->second;
            } else {
                m_db.AppendCategoryRecord(category, false, false);
                m_current = m_db.Categories().size() - 1;
                m_firstByName.emplace(category, m_current);
            }
        }
        m_db.AppendUnitRecordAt(m_current, std::move(r.unit), legacy);
    }

private:
    UnitDatabase& m_db;
    std::unordered_map<std::string, std::size_t> m_firstByName;
    std::size_t m_current = UnitDatabase::None;
};

void putInt32(std::string& out, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void putString(std::string& out, const std::string& text)
{
    const std::string cut = UnitDatabase::CutName(text);
    out += static_cast<char>(cut.size());
    out += cut;
}

void putRecord(std::string& out, std::int32_t order, long double factor, bool custom, bool hidden,
               const std::string& s1, const std::string& s2, const std::string& s3)
{
    putInt32(out, order);
    const auto f = Extended80::Encode(factor);
    out.append(reinterpret_cast<const char*>(f.data()), f.size());
    out += static_cast<char>(custom ? 1 : 0);
    out += static_cast<char>(hidden ? 1 : 0);
    for (const std::string* s : {&s1, &s2, &s3})
        out += static_cast<char>(UnitDatabase::CutName(*s).size() + 1);
    out += '\0'; // unused byte
    putString(out, s1);
    putString(out, s2);
    putString(out, s3);
}

} // namespace

int DatabaseFile::LoadFromFile(UnitDatabase& db, std::istream& in)
{
    char magic[4];
    readExact(in, magic, 4);
    const std::string m(magic, 4);
    const bool current = m == "MNS0" || m == "MNSA" || m == "MNSS";
    if (m == "MNSS")
        db.NamesSimplified = true;
    if (m == "MNS0")
        db.LoadedFresh = true;
    std::uint8_t countBytes[4];
    if (current) {
        readExact(in, countBytes, 4);
    } else {
        std::memcpy(countBytes, magic, 4);
    }
    const std::int32_t expected = readInt32(countBytes);
    int read = 0;
    RecordInserter inserter(db);
    while (!atEnd(in)) {
        inserter.insert(current ? readCurrentRecord(in) : readLegacyRecord(in), !current);
        ++read;
    }
    if (read != expected)
        throw Tfileexception(Tfileexception::CountMismatch);
    if (!current)
        db.LoadedLegacy = true;
    return read;
}

std::string DatabaseFile::ToBytes(const UnitDatabase& db, const char* magic)
{
    std::string out(magic, 4);
    putInt32(out, 0);
    std::int32_t count = 0;
    for (const auto& c : db.Categories()) {
        putRecord(out, 0, -1.0L, c.Custom, c.Hidden, CategoryMarker, c.Name, CategoryOrigin);
        ++count;
        for (const auto& u : c.Units) {
            putRecord(out, u.DefaultOrder, u.Factor, u.Custom, u.Hidden, c.Name, u.Name, u.OriginUnit);
            ++count;
        }
    }
    std::string countBytes;
    putInt32(countBytes, count);
    out.replace(4, 4, countBytes);
    return out;
}

void DatabaseFile::SaveToFile(const UnitDatabase& db, std::ostream& out)
{
    const std::string bytes = ToBytes(db, db.NamesSimplified ? "MNSS" : "MNSA");
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out)
        throw Tfileexception(Tfileexception::ShortWrite);
}

int DatabaseFile::LoadFromPath(UnitDatabase& db, const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::system_error(errno ? errno : ENOENT, std::generic_category(), "cannot open " + path);
    return LoadFromFile(db, in);
}

} // namespace mensurio
