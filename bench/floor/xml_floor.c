/* The floor of the exchange benchmarks: the same jobs as the program's export
 * and import of any record kind, done as plainly as C and SQLite's own API
 * allow. One transaction, statements prepared once and bound by position, the
 * XML streamed through a fixed buffer both ways.
 *
 *   xml_floor export    DATABASE FILE TABLE COLUMNS           rows -> exchange file
 *   xml_floor import    DATABASE FILE TABLE COLUMNS [ICON]    items -> new rows
 *   xml_floor overwrite DATABASE FILE TABLE COLUMNS [ICON]    items -> stored rows updated where given
 *   xml_floor delete    DATABASE FILE TABLE COLUMNS           items -> the stored rows of their IDs deleted
 *
 * COLUMNS lists the kind's elements in file order as NAME:TYPE, separated by
 * commas; the first is the ID. Types: i integer (and flag), t text, d date,
 * T date-time, b picture (Base64 in the file, bytes in the table). A "-"
 * after the type marks an element that is written but never read back.
 * ICON names a file whose bytes a new row's picture takes when its element
 * is empty or missing: the default, encoded once.
 *
 * Dates and date-times are turned between the file's "yyyy.MM.dd[.hh.mm.ss]"
 * and the table's "yyyy-MM-dd[Thh:mm:ss]"; pictures are Base64-coded, never
 * decoded as images. The reader takes the layout the export writes (one
 * element per field, the five predefined entities and numeric references);
 * it checks nothing else.
 */
#include <sqlite3.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

/* Under callgrind started with --instr-atstart=no, the job alone is counted,
 * into a dump of its own ("job"). */
#include "../CallgrindMarks.h"

enum { MaxFields = 64 };

static char fieldNames[MaxFields][64];
static char fieldTypes[MaxFields];
static int fieldRead[MaxFields];
static int fieldCount;

static const char* table;
static char* iconBytes;
static long iconSize;

static int fail(sqlite3* db, const char* what)
{
    fprintf(stderr, "%s: %s\n", what, db ? sqlite3_errmsg(db) : "");
    return 1;
}

static int parseColumns(const char* spec)
{
    while (*spec && fieldCount < MaxFields) {
        const char* colon = strchr(spec, ':');
        if (!colon || colon == spec || colon - spec >= 64 || !colon[1])
            return 0;
        memcpy(fieldNames[fieldCount], spec, (size_t)(colon - spec));
        fieldNames[fieldCount][colon - spec] = '\0';
        fieldTypes[fieldCount] = colon[1];
        fieldRead[fieldCount] = colon[2] != '-';
        ++fieldCount;
        spec = colon + 2 + (colon[2] == '-');
        if (*spec == ',')
            ++spec;
    }
    return fieldCount > 0 && !*spec;
}

static int readIcon(const char* path)
{
    FILE* file = fopen(path, "rb");
    if (!file || fseek(file, 0, SEEK_END) != 0 || (iconSize = ftell(file)) < 0 || fseek(file, 0, SEEK_SET) != 0)
        return 0;
    iconBytes = malloc((size_t)iconSize + 1);
    const int ok = fread(iconBytes, 1, (size_t)iconSize, file) == (size_t)iconSize;
    fclose(file);
    return ok;
}

/* ---- export ---------------------------------------------------------- */

static char outBuffer[1 << 18];
static size_t outUsed;
static FILE* outFile;

static void flushOut(void)
{
    fwrite(outBuffer, 1, outUsed, outFile);
    outUsed = 0;
}

static void put(const char* text, size_t length)
{
    if (outUsed + length > sizeof outBuffer)
        flushOut();
    if (length > sizeof outBuffer) {
        fwrite(text, 1, length, outFile);
        return;
    }
    memcpy(outBuffer + outUsed, text, length);
    outUsed += length;
}

static void putEscaped(const unsigned char* text, int length)
{
    int start = 0;
    for (int i = 0; i < length; ++i) {
        const char* entity = NULL;
        switch (text[i]) {
        case '<': entity = "&lt;"; break;
        case '&': entity = "&amp;"; break;
        case '\r': entity = "&#xd;"; break;
        case '>':
            if (i >= 2 && text[i - 1] == ']' && text[i - 2] == ']')
                entity = "&gt;";
            break;
        default: break;
        }
        if (!entity)
            continue;
        put((const char*)text + start, (size_t)(i - start));
        put(entity, strlen(entity));
        start = i + 1;
    }
    put((const char*)text + start, (size_t)(length - start));
}

static const char base64Digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

static void putBase64(const unsigned char* bytes, int length)
{
    char group[4];
    for (int i = 0; i < length; i += 3) {
        const unsigned long n = ((unsigned long)bytes[i] << 16) | (i + 1 < length ? (unsigned long)bytes[i + 1] << 8 : 0)
                                | (i + 2 < length ? bytes[i + 2] : 0);
        group[0] = base64Digits[(n >> 18) & 63];
        group[1] = base64Digits[(n >> 12) & 63];
        group[2] = i + 1 < length ? base64Digits[(n >> 6) & 63] : '=';
        group[3] = i + 2 < length ? base64Digits[n & 63] : '=';
        put(group, 4);
    }
}

/* A stored value in its file form: dates with dots, pictures in Base64. */
static void putValue(char type, const unsigned char* value, int length)
{
    if (type == 'b') {
        putBase64(value, length);
        return;
    }
    if ((type == 'd' || type == 'T') && length >= 10) {
        char text[32];
        int n = 0;
        for (int i = 0; i < length && n < (int)sizeof text; ++i)
            text[n++] = (value[i] == '-' || value[i] == 'T' || value[i] == ':') ? '.' : (char)value[i];
        put(text, (size_t)n);
        return;
    }
    putEscaped(value, length);
}

static int exportRows(sqlite3* db, const char* path)
{
    char text[4096] = "SELECT ";
    for (int f = 0; f < fieldCount; ++f) {
        strcat(text, fieldNames[f]);
        strcat(text, f + 1 < fieldCount ? ", " : " FROM ");
    }
    strcat(text, table);
    sqlite3_stmt* select = NULL;
    if (sqlite3_prepare_v2(db, text, -1, &select, NULL) != SQLITE_OK)
        return fail(db, "prepare");
    /* Written beside the target and put in its place once on disk, as the
     * program writes every file, so a failure never leaves half a file. */
    char temporary[4096];
    snprintf(temporary, sizeof temporary, "%s.part", path);
    outFile = fopen(temporary, "wb");
    if (!outFile)
        return fail(NULL, "open");
    char head[256];
    put(head, (size_t)snprintf(head, sizeof head, "<!DOCTYPE doc>\n<items Table=\"%s\"", table));
    int any = 0;
    while (sqlite3_step(select) == SQLITE_ROW) {
        if (!any)
            put(">\n", 2);
        any = 1;
        put(" <item>\n", 8);
        for (int f = 0; f < fieldCount; ++f) {
            const unsigned char* value = fieldTypes[f] == 'b' ? sqlite3_column_blob(select, f)
                                                              : sqlite3_column_text(select, f);
            const int length = sqlite3_column_bytes(select, f);
            /* An empty value is an element without text, written with both
             * tags as the program writes it. */
            char tag[80];
            put(tag, (size_t)snprintf(tag, sizeof tag, "  <%s>", fieldNames[f]));
            putValue(fieldTypes[f], value, length);
            put(tag, (size_t)snprintf(tag, sizeof tag, "</%s>\n", fieldNames[f]));
        }
        put(" </item>\n", 9);
    }
    if (any)
        put("</items>\n", 9);
    else
        put("/>\n", 3);
    flushOut();
    sqlite3_finalize(select);
    if (fflush(outFile) != 0 || fsync(fileno(outFile)) != 0 || fclose(outFile) != 0)
        return fail(NULL, "close");
    return rename(temporary, path) == 0 ? 0 : fail(NULL, "rename");
}

/* ---- import ---------------------------------------------------------- */

static char inBuffer[1 << 20];
static size_t inStart, inEnd;
static FILE* inFile;

/* At least `count` bytes from inStart on, unless the file ends first. */
static int ensure(size_t count)
{
    if (inEnd - inStart >= count)
        return 1;
    memmove(inBuffer, inBuffer + inStart, inEnd - inStart);
    inEnd -= inStart;
    inStart = 0;
    inEnd += fread(inBuffer + inEnd, 1, sizeof inBuffer - inEnd, inFile);
    return inEnd - inStart >= count;
}

/* Skips to the byte after the next `c`; 0 at the end of the file. */
static int skipPast(char c)
{
    for (;;) {
        char* found = memchr(inBuffer + inStart, c, inEnd - inStart);
        if (found) {
            inStart = (size_t)(found - inBuffer) + 1;
            return 1;
        }
        inStart = inEnd;
        if (!ensure(1))
            return 0;
    }
}

static char* value;
static size_t valueSize, valueLength;

/* Keeps the value NUL-terminated: numbers are read from it with atoll, which
 * would otherwise run on into what a longer earlier value left behind. */
static void append(const char* text, size_t length)
{
    if (valueLength + length + 1 > valueSize) {
        valueSize = (valueLength + length + 1) * 2;
        value = realloc(value, valueSize);
    }
    memcpy(value + valueLength, text, length);
    valueLength += length;
    value[valueLength] = '\0';
}

static void appendCode(unsigned long code)
{
    char bytes[4];
    size_t n;
    if (code < 0x80) { bytes[0] = (char)code; n = 1; }
    else if (code < 0x800) { bytes[0] = (char)(0xC0 | (code >> 6)); bytes[1] = (char)(0x80 | (code & 0x3F)); n = 2; }
    else if (code < 0x10000) {
        bytes[0] = (char)(0xE0 | (code >> 12)); bytes[1] = (char)(0x80 | ((code >> 6) & 0x3F));
        bytes[2] = (char)(0x80 | (code & 0x3F)); n = 3;
    } else {
        bytes[0] = (char)(0xF0 | (code >> 18)); bytes[1] = (char)(0x80 | ((code >> 12) & 0x3F));
        bytes[2] = (char)(0x80 | ((code >> 6) & 0x3F)); bytes[3] = (char)(0x80 | (code & 0x3F)); n = 4;
    }
    append(bytes, n);
}

/* The text of an element up to "<", entities replaced. */
static int readValue(void)
{
    valueLength = 0;
    for (;;) {
        if (!ensure(12) && inStart == inEnd)
            return 0;
        const char* data = inBuffer + inStart;
        const size_t size = inEnd - inStart;
        size_t i = 0;
        while (i < size && data[i] != '<' && data[i] != '&')
            ++i;
        append(data, i);
        inStart += i;
        if (i == size)
            continue;
        if (data[i] == '<')
            return 1;
        ensure(12);
        data = inBuffer + inStart;
        const char* semicolon = memchr(data, ';', inEnd - inStart < 12 ? inEnd - inStart : 12);
        if (!semicolon)
            return 0;
        if (data[1] == '#')
            appendCode(data[2] == 'x' ? strtoul(data + 3, NULL, 16) : strtoul(data + 2, NULL, 10));
        else if (!strncmp(data, "&lt;", 4)) append("<", 1);
        else if (!strncmp(data, "&gt;", 4)) append(">", 1);
        else if (!strncmp(data, "&amp;", 5)) append("&", 1);
        else if (!strncmp(data, "&quot;", 6)) append("\"", 1);
        else if (!strncmp(data, "&apos;", 6)) append("'", 1);
        inStart = (size_t)(semicolon - inBuffer) + 1;
    }
}

static int fieldOf(const char* name, size_t length)
{
    for (int f = 0; f < fieldCount; ++f) {
        if (strlen(fieldNames[f]) == length && !memcmp(fieldNames[f], name, length))
            return f;
    }
    return -1;
}

static signed char base64Values[256];

static void initBase64(void)
{
    memset(base64Values, -1, sizeof base64Values);
    for (int i = 0; i < 64; ++i)
        base64Values[(unsigned char)base64Digits[i]] = (signed char)i;
}

/* Decodes the value in place; returns the number of bytes. */
static size_t decodeBase64(void)
{
    size_t out = 0;
    unsigned long bits = 0;
    int count = 0;
    for (size_t i = 0; i < valueLength; ++i) {
        const int digit = base64Values[(unsigned char)value[i]];
        if (digit < 0)
            continue;
        bits = (bits << 6) | (unsigned long)digit;
        if (++count == 4) {
            value[out++] = (char)(bits >> 16);
            value[out++] = (char)(bits >> 8);
            value[out++] = (char)bits;
            bits = 0;
            count = 0;
        }
    }
    if (count == 3) {
        value[out++] = (char)(bits >> 10);
        value[out++] = (char)(bits >> 2);
    } else if (count == 2) {
        value[out++] = (char)(bits >> 4);
    }
    return out;
}

/* One value into its placeholder, in the form the table stores. */
static void bindValue(sqlite3_stmt* statement, int position, char type)
{
    int p[6] = {0};
    char text[32];
    switch (type) {
    case 'i':
        sqlite3_bind_int64(statement, position, atoll(value ? value : "0"));
        return;
    case 'd':
    case 'T':
        sscanf(value, "%d.%d.%d.%d.%d.%d", &p[0], &p[1], &p[2], &p[3], &p[4], &p[5]);
        if (type == 'd')
            snprintf(text, sizeof text, "%04d-%02d-%02d", p[0], p[1], p[2]);
        else
            snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", p[0], p[1], p[2], p[3], p[4], p[5]);
        sqlite3_bind_text(statement, position, text, -1, SQLITE_TRANSIENT);
        return;
    case 'b':
        sqlite3_bind_blob(statement, position, value, (int)decodeBase64(), SQLITE_TRANSIENT);
        return;
    default:
        sqlite3_bind_text(statement, position, value, (int)valueLength, SQLITE_TRANSIENT);
        return;
    }
}

enum Mode { Insert, Overwrite, Delete };

/* The placeholder of field f: a new row binds each value at f + 1; an
 * overwrite binds each given value as (1, value) at 2f - 1 and 2f, and the
 * ID last, so that what the item lacks keeps its stored value; a delete binds
 * the ID only. 0: not bound. */
static int positionOf(int f, enum Mode mode)
{
    if (mode == Insert)
        return f + 1;
    if (mode == Delete)
        return f == 0 ? 1 : 0;
    return f == 0 ? 2 * fieldCount - 1 : 2 * f;
}

/* One item's fields into the statement. */
static int readItem(sqlite3_stmt* statement, enum Mode mode)
{
    sqlite3_clear_bindings(statement);
    int given[MaxFields] = {0};
    for (;;) {
        if (!skipPast('<') || (!ensure(64) && inStart == inEnd))
            return 0;
        const char* name = inBuffer + inStart;
        if (name[0] == '/') { /* </item> */
            /* A new row's picture the item lacks is the default; a number
             * never read back (an Active flag) is 0, as a new record has it. */
            for (int f = 0; f < fieldCount; ++f) {
                if (mode == Insert && !given[f] && fieldTypes[f] == 'b' && iconBytes)
                    sqlite3_bind_blob(statement, f + 1, iconBytes, (int)iconSize, SQLITE_STATIC);
                if (mode == Insert && !fieldRead[f] && fieldTypes[f] == 'i')
                    sqlite3_bind_int64(statement, f + 1, 0);
            }
            return skipPast('>');
        }
        size_t length = 0;
        while (name[length] != '>' && name[length] != '/')
            ++length;
        const int field = fieldOf(name, length);
        const int empty = name[length] == '/';
        if (!skipPast('>'))
            return 0;
        if (empty)
            continue;
        if (!readValue())
            return 0;
        const int position = field < 0 ? 0 : positionOf(field, mode);
        if (position > 0 && fieldRead[field] && valueLength > 0) {
            given[field] = 1;
            if (mode == Overwrite && field != 0)
                sqlite3_bind_int64(statement, position - 1, 1);
            bindValue(statement, position, fieldTypes[field]);
        }
        if (!skipPast('>')) /* the end tag */
            return 0;
    }
}

static int importItems(sqlite3* db, const char* path, enum Mode mode)
{
    inFile = fopen(path, "rb");
    if (!inFile)
        return fail(NULL, "open");
    char text[8192];
    int n = 0;
    if (mode == Delete) {
        snprintf(text, sizeof text, "DELETE FROM %s WHERE %s = ?1;", table, fieldNames[0]);
    } else if (mode == Overwrite) {
        n += snprintf(text + n, sizeof text - (size_t)n, "UPDATE %s SET ", table);
        for (int f = 1; f < fieldCount; ++f)
            n += snprintf(text + n, sizeof text - (size_t)n, "%s%s = CASE WHEN ?%d THEN ?%d ELSE %s END",
                          f > 1 ? ", " : "", fieldNames[f], 2 * f - 1, 2 * f, fieldNames[f]);
        snprintf(text + n, sizeof text - (size_t)n, " WHERE %s = ?%d;", fieldNames[0], 2 * fieldCount - 1);
    } else {
        n += snprintf(text + n, sizeof text - (size_t)n, "INSERT INTO %s (", table);
        for (int f = 0; f < fieldCount; ++f)
            n += snprintf(text + n, sizeof text - (size_t)n, "%s%s", f > 0 ? ", " : "", fieldNames[f]);
        n += snprintf(text + n, sizeof text - (size_t)n, ") VALUES (");
        for (int f = 0; f < fieldCount; ++f)
            n += snprintf(text + n, sizeof text - (size_t)n, "%s?%d", f > 0 ? ", " : "", f + 1);
        snprintf(text + n, sizeof text - (size_t)n, ");");
    }
    sqlite3_stmt* store = NULL;
    if (sqlite3_prepare_v2(db, text, -1, &store, NULL) != SQLITE_OK)
        return fail(db, "prepare");
    sqlite3_exec(db, "BEGIN;", NULL, NULL, NULL);
    /* Past the root's start tag, then item after item. */
    if (!skipPast('<') || !skipPast('<') || !skipPast('>'))
        return fail(NULL, "no root");
    for (;;) {
        if (!skipPast('<') || (!ensure(6) && inStart == inEnd))
            break;
        if (inBuffer[inStart] == '/')
            break; /* </items> */
        if (!skipPast('>'))
            break;
        if (!readItem(store, mode))
            return fail(NULL, "item");
        if (sqlite3_step(store) != SQLITE_DONE)
            return fail(db, "store");
        sqlite3_reset(store);
    }
    if (sqlite3_exec(db, "COMMIT;", NULL, NULL, NULL) != SQLITE_OK)
        return fail(db, "commit");
    sqlite3_finalize(store);
    fclose(inFile);
    return 0;
}

int main(int argc, char** argv)
{
    if (argc < 6 || argc > 7 || !parseColumns(argv[5]) || (argc == 7 && !readIcon(argv[6]))) {
        fprintf(stderr, "usage: xml_floor export|import|overwrite|delete DATABASE FILE TABLE COLUMNS [ICON]\n");
        return 2;
    }
    table = argv[4];
    initBase64();
    sqlite3* db = NULL;
    if (sqlite3_open(argv[2], &db) != SQLITE_OK)
        return fail(db, "open");
    int result = 2;
    CALLGRIND_START_INSTRUMENTATION;
    CALLGRIND_ZERO_STATS;
    if (!strcmp(argv[1], "export"))
        result = exportRows(db, argv[3]);
    else if (!strcmp(argv[1], "import"))
        result = importItems(db, argv[3], Insert);
    else if (!strcmp(argv[1], "overwrite"))
        result = importItems(db, argv[3], Overwrite);
    else if (!strcmp(argv[1], "delete"))
        result = importItems(db, argv[3], Delete);
    CALLGRIND_DUMP_STATS_AT("job");
    sqlite3_close(db);
    free(value);
    free(iconBytes);
    return result;
}
