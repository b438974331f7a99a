/* The floor of the exchange benchmarks: the same jobs as the program's export
 * and import of projects, done as plainly as C and SQLite's own API allow.
 * One transaction, statements prepared once and bound by position, the XML
 * streamed through a fixed buffer both ways.
 *
 *   xml_floor export    DATABASE FILE   rows of Project -> exchange file
 *   xml_floor import    DATABASE FILE   items -> new rows
 *   xml_floor overwrite DATABASE FILE   items -> stored rows updated where given
 *
 * The reader takes the layout the export writes (one element per field, the
 * five predefined entities and numeric references); it checks nothing else.
 */
#include <sqlite3.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

enum { FieldID, FieldName, FieldComments, FieldURL, FieldActive, FieldCount };
static const char* const fieldNames[FieldCount] = {"ID", "Name", "Comments", "URL", "Active"};

static int fail(sqlite3* db, const char* what)
{
    fprintf(stderr, "%s: %s\n", what, db ? sqlite3_errmsg(db) : "");
    return 1;
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

static int exportRows(sqlite3* db, const char* path)
{
    sqlite3_stmt* select = NULL;
    if (sqlite3_prepare_v2(db, "SELECT ID, Name, Comments, URL, Active FROM Project;", -1, &select, NULL) != SQLITE_OK)
        return fail(db, "prepare");
    /* Written beside the target and put in its place once on disk, as the
     * program writes every file, so a failure never leaves half a file. */
    char temporary[4096];
    snprintf(temporary, sizeof temporary, "%s.part", path);
    outFile = fopen(temporary, "wb");
    if (!outFile)
        return fail(NULL, "open");
    static const char head[] = "<!DOCTYPE doc>\n<items Table=\"Project\"";
    put(head, sizeof head - 1);
    int any = 0;
    while (sqlite3_step(select) == SQLITE_ROW) {
        if (!any)
            put(">\n", 2);
        any = 1;
        put(" <item>\n", 8);
        for (int f = 0; f < FieldCount; ++f) {
            const int column = f;
            char open[32];
            const int openLength = snprintf(open, sizeof open, "  <%s>", fieldNames[f]);
            const unsigned char* value = sqlite3_column_text(select, column);
            const int length = sqlite3_column_bytes(select, column);
            if (length == 0) {
                char empty[32];
                put(empty, (size_t)snprintf(empty, sizeof empty, "  <%s/>\n", fieldNames[f]));
                continue;
            }
            put(open, (size_t)openLength);
            putEscaped(value, length);
            char close[32];
            put(close, (size_t)snprintf(close, sizeof close, "</%s>\n", fieldNames[f]));
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

static long long currentId;

static int fieldOf(const char* name, size_t length)
{
    for (int f = 0; f < FieldCount; ++f) {
        if (strlen(fieldNames[f]) == length && !memcmp(fieldNames[f], name, length))
            return f;
    }
    return -1;
}

/* One item's fields into the statement, by position. A new row binds each
 * field's value, those the item lacks left NULL; an overwrite binds each given
 * field as (1, value) and the ID last, so that what the item lacks (and Active,
 * which the program never reads from a file) keeps its stored value. */
static int readItem(sqlite3_stmt* statement, int overwrite)
{
    sqlite3_clear_bindings(statement);
    for (;;) {
        if (!skipPast('<') || (!ensure(64) && inStart == inEnd))
            return 0;
        const char* name = inBuffer + inStart;
        if (name[0] == '/')
            return skipPast('>'); /* </item> */
        size_t length = 0;
        while (name[length] != '>' && name[length] != '/')
            ++length;
        const int field = fieldOf(name, length);
        const int empty = name[length] == '/';
        if (!skipPast('>'))
            return 0;
        if (empty || field < 0)
            continue;
        if (!readValue())
            return 0;
        int position = field + 1;
        if (overwrite) {
            if (field == FieldActive) {
                if (!skipPast('>'))
                    return 0;
                continue;
            }
            position = field == FieldID ? 2 * FieldCount - 1 : 2 * field;
            if (field != FieldID)
                sqlite3_bind_int64(statement, position - 1, 1);
        }
        if (field == FieldID)
            currentId = atoll(value ? value : "0");
        if (field == FieldID || field == FieldActive)
            sqlite3_bind_int64(statement, position, atoll(value ? value : "0"));
        else
            sqlite3_bind_text(statement, position, value, (int)valueLength, SQLITE_TRANSIENT);
        if (!skipPast('>')) /* the end tag */
            return 0;
    }
}

static int importItems(sqlite3* db, const char* path, int overwrite)
{
    inFile = fopen(path, "rb");
    if (!inFile)
        return fail(NULL, "open");
    sqlite3_stmt* store = NULL;
    const char* text = overwrite ? "UPDATE Project SET Name = CASE WHEN ?1 THEN ?2 ELSE Name END, "
                                   "Comments = CASE WHEN ?3 THEN ?4 ELSE Comments END, "
                                   "URL = CASE WHEN ?5 THEN ?6 ELSE URL END, "
                                   "Active = CASE WHEN ?7 THEN ?8 ELSE Active END WHERE ID = ?9;"
                                 : "INSERT INTO Project (ID, Name, Comments, URL, Active) VALUES (?1, ?2, ?3, ?4, ?5);";
    if (sqlite3_prepare_v2(db, text, -1, &store, NULL) != SQLITE_OK)
        return fail(db, "prepare");
    sqlite3_exec(db, "BEGIN;", NULL, NULL, NULL);
    /* Past the root's start tag, then item after item. */
    if (!skipPast('<') || !skipPast('<') || !skipPast('>'))
        return fail(NULL, "no root");
    long items = 0;
    for (;;) {
        if (!skipPast('<') || (!ensure(6) && inStart == inEnd))
            break;
        if (inBuffer[inStart] == '/')
            break; /* </items> */
        if (!skipPast('>'))
            break;
        if (!readItem(store, overwrite))
            return fail(NULL, "item");
        if (sqlite3_step(store) != SQLITE_DONE)
            return fail(db, "store");
        sqlite3_reset(store);
        ++items;
    }
    sqlite3_exec(db, "COMMIT;", NULL, NULL, NULL);
    sqlite3_finalize(store);
    fclose(inFile);
    return items >= 0 ? 0 : 1;
}

int main(int argc, char** argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: xml_floor export|import|overwrite DATABASE FILE\n");
        return 2;
    }
    sqlite3* db = NULL;
    if (sqlite3_open(argv[2], &db) != SQLITE_OK)
        return fail(db, "open");
    int result = 2;
    if (!strcmp(argv[1], "export"))
        result = exportRows(db, argv[3]);
    else if (!strcmp(argv[1], "import"))
        result = importItems(db, argv[3], 0);
    else if (!strcmp(argv[1], "overwrite"))
        result = importItems(db, argv[3], 1);
    sqlite3_close(db);
    free(value);
    return result;
}
