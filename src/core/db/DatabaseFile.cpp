// SPDX-License-Identifier: MIT
#include "core/db/DatabaseFile.h"

#include "core/platform/FileOps.h"

#include "core/db/DatabaseFileError.h"
#include "core/db/Extended80.h"

#include <cerrno>
#include <istream>
#include <iterator>
#include <ostream>
#include <string_view>
#include <system_error>
#include <unordered_map>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mensurio {

namespace {

constexpr const char *CategoryMarker = "Category";
constexpr const char *CategoryOrigin = "0 puvodce";
constexpr std::size_t MaxStringSize = UnitDatabase::MaxNameLength + 1;
constexpr std::size_t HeaderSize = 20;

// The file's bytes, read front to back. Every read past the end is a short read.
class ByteReader {
  public:
    explicit ByteReader(std::string_view bytes) : m_bytes(bytes) {}

    const std::uint8_t *take(std::size_t size) {
        if (m_bytes.size() - m_pos < size)
            throw DatabaseFileError(DatabaseFileError::ShortRead);
        const auto *p = reinterpret_cast<const std::uint8_t *>(m_bytes.data() + m_pos);
        m_pos += size;
        return p;
    }
    bool atEnd() const { return m_pos == m_bytes.size(); }

  private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

std::int32_t readInt32(const std::uint8_t *p) {
    const std::uint32_t v = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                            (static_cast<std::uint32_t>(p[2]) << 16) |
                            (static_cast<std::uint32_t>(p[3]) << 24);
    return static_cast<std::int32_t>(v);
}

// A string occupies exactly `size` bytes: its length byte and its characters. Sizes the writer
// cannot produce are rejected instead of being read past. The text stays in the file's bytes;
// it is copied only where the database keeps it.
std::string_view readString(ByteReader &in, std::size_t size) {
    if (size == 0 || size > MaxStringSize)
        throw DatabaseFileError(DatabaseFileError::ShortRead);
    const std::uint8_t *buffer = in.take(size);
    const std::size_t length = buffer[0];
    if (length + 1 > size)
        throw DatabaseFileError(DatabaseFileError::ShortRead);
    return {reinterpret_cast<const char *>(buffer + 1), length}; // at most 50 bytes: nothing to cut
}

struct RawRecord {
    std::string_view s1, s2, s3;
    long double factor = 0;
    bool custom = false;
    bool hidden = false;
    std::int32_t defaultOrder = 0;
};

RawRecord readCurrentRecord(ByteReader &in) {
    const std::uint8_t *h = in.take(HeaderSize);
    RawRecord r;
    r.defaultOrder = readInt32(h);
    r.factor = Extended80::Decode(h + 4);
    r.custom = h[14] != 0;
    r.hidden = h[15] != 0;
    r.s1 = readString(in, h[16]);
    r.s2 = readString(in, h[17]);
    r.s3 = readString(in, h[18]);
    return r;
}

RawRecord readLegacyRecord(ByteReader &in) {
    RawRecord r;
    std::string_view *strings[] = {&r.s1, &r.s2, &r.s3};
    for (std::string_view *s : strings)
        *s = readString(in, *in.take(1));
    const std::uint8_t *tail = in.take(11);
    r.custom = tail[0] != 0;
    r.factor = Extended80::Decode(tail + 1);
    return r;
}

// Adds records to the database by the insertion rule: a unit record goes to the current
// category when its name is exactly string 1, else to the first category of that name, created
// when there is none. The categories are indexed by name as they are added, so that each unit
// record costs constant time however the records are ordered; a name is copied only where the
// database keeps it or the category changes.
class RecordInserter {
  public:
    explicit RecordInserter(UnitDatabase &db) : m_db(db) {
        const auto &categories = db.Categories();
        for (std::size_t i = 0; i < categories.size(); ++i)
            m_firstByName.try_emplace(categories[i].Name, i);
    }

    void insert(const RawRecord &r, bool legacy) {
        if (r.s1 == CategoryMarker) {
            m_db.AppendCategoryRecord(r.s2, r.custom, !legacy && r.hidden);
            m_current = m_db.Categories().size() - 1;
            m_firstByName.try_emplace(m_db.Categories()[m_current].Name, m_current);
            return;
        }
        // The names are constructed in place: assigning to empty strings costs twice as much.
        UnitRecord unit{.Name = std::string(r.s2),
                        .OriginUnit = std::string(r.s3),
                        .Custom = static_cast<std::uint8_t>(r.custom ? 1 : 0),
                        .Hidden = static_cast<std::uint8_t>(r.hidden && !legacy ? 1 : 0),
                        .Factor = r.factor,
                        .DefaultOrder = r.defaultOrder};
        if (m_current == UnitDatabase::None || m_db.Categories()[m_current].Name != r.s1)
            selectCategory(UnitDatabase::CutName(r.s1));
        m_db.AppendUnitRecordAt(m_current, std::move(unit), legacy);
    }

  private:
    void selectCategory(const std::string &category) {
        const auto found = m_firstByName.find(category);
        if (found != m_firstByName.end()) {
            m_current = found->second;
            return;
        }
        m_db.AppendCategoryRecord(category, false, false);
        m_current = m_db.Categories().size() - 1;
        m_firstByName.emplace(category, m_current);
    }

    UnitDatabase &m_db;
    std::unordered_map<std::string, std::size_t> m_firstByName;
    std::size_t m_current = UnitDatabase::None;
};

void putInt32(std::string &out, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void putString(std::string &out, const std::string &text) {
    const std::string cut = UnitDatabase::CutName(text);
    out += static_cast<char>(cut.size());
    out += cut;
}

void putRecord(std::string &out, std::int32_t order, long double factor, bool custom, bool hidden,
               const std::string &s1, const std::string &s2, const std::string &s3) {
    putInt32(out, order);
    const auto f = Extended80::Encode(factor);
    out.append(reinterpret_cast<const char *>(f.data()), f.size());
    out += static_cast<char>(custom ? 1 : 0);
    out += static_cast<char>(hidden ? 1 : 0);
    for (const std::string *s : {&s1, &s2, &s3})
        out += static_cast<char>(UnitDatabase::CutName(*s).size() + 1);
    out += '\0'; // unused byte
    putString(out, s1);
    putString(out, s2);
    putString(out, s3);
}

} // namespace

int DatabaseFile::LoadFromFile(UnitDatabase &db, std::istream &in) {
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    return LoadFromBytes(db, bytes);
}

int DatabaseFile::LoadFromBytes(UnitDatabase &db, std::string_view bytes) {
    ByteReader in(bytes);
    const std::uint8_t *magic = in.take(4);
    const std::string_view m(reinterpret_cast<const char *>(magic), 4);
    const bool current = m == "MNS0" || m == "MNSA" || m == "MNSS";
    if (m == "MNSS")
        db.NamesSimplified = true;
    if (m == "MNS0")
        db.LoadedFresh = true;
    const std::int32_t expected = readInt32(current ? in.take(4) : magic);
    int read = 0;
    RecordInserter inserter(db);
    while (!in.atEnd()) {
        inserter.insert(current ? readCurrentRecord(in) : readLegacyRecord(in), !current);
        ++read;
    }
    if (read != expected)
        throw DatabaseFileError(DatabaseFileError::CountMismatch);
    if (!current)
        db.LoadedLegacy = true;
    return read;
}

std::string DatabaseFile::ToBytes(const UnitDatabase &db, const char *magic) {
    std::string out(magic, 4);
    putInt32(out, 0);
    std::int32_t count = 0;
    for (const auto &c : db.Categories()) {
        putRecord(out, 0, -1.0L, c.Custom, c.Hidden, CategoryMarker, c.Name, CategoryOrigin);
        ++count;
        for (const auto &u : c.Units) {
            putRecord(out, u.DefaultOrder, u.Factor, u.Custom, u.Hidden, c.Name, u.Name, u.OriginUnit);
            ++count;
        }
    }
    std::string countBytes;
    putInt32(countBytes, count);
    out.replace(4, 4, countBytes);
    return out;
}

void DatabaseFile::SaveToFile(const UnitDatabase &db, std::ostream &out) {
    const std::string bytes = ToBytes(db, db.NamesSimplified ? "MNSS" : "MNSA");
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out)
        throw DatabaseFileError(DatabaseFileError::ShortWrite);
}

// The whole file in one buffer, read with as few calls as its size allows, then parsed there.
int DatabaseFile::LoadFromPath(UnitDatabase &db, const std::string &path) {
    // A FIFO, socket, device or directory is refused without being opened.
    const int fd = FileOps::OpenRegularForReading(path);
    if (fd < 0)
        throw std::system_error(errno, std::generic_category(), "cannot open " + path);
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    // A file far larger than any units database is refused before anything is allocated for it.
    if (regular && static_cast<std::uintmax_t>(info.st_size) > MaxFileSize) {
        ::close(fd);
        throw DatabaseFileError(DatabaseFileError::ShortRead);
    }
    // One byte more than the size, so that the read that finds the end needs no second buffer.
    std::string bytes(regular ? static_cast<std::size_t>(info.st_size) + 1 : 65536, '\0');
    std::size_t size = 0;
    int error = 0;
    for (;;) {
        if (size == bytes.size()) {
            if (bytes.size() > MaxFileSize) {
                ::close(fd);
                throw DatabaseFileError(DatabaseFileError::ShortRead);
            }
            bytes.resize(bytes.size() * 2);
        }
        const ssize_t count = ::read(fd, bytes.data() + size, bytes.size() - size);
        if (count > 0) {
            size += static_cast<std::size_t>(count);
        } else if (count == 0 || errno != EINTR) {
            error = count < 0 ? errno : 0;
            break;
        }
    }
    bytes.resize(size);
    ::close(fd);
    // A file that cannot be read to its end is short, as a stream reader would find it.
    if (error != 0)
        throw DatabaseFileError(DatabaseFileError::ShortRead);
    return LoadFromBytes(db, bytes);
}

} // namespace mensurio
