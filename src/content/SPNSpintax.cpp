#include "content/SPNSpintax.h"

#include "core/Random.h"

#include <cstring>

namespace Vexal {

SPNSpintax::SPNSpintax()
{
    clear();
}

SPNSpintax::SPNSpintax(const QString& source, int dialect)
{
    parse(source, dialect);
}

int SPNSpintax::normalizedDialect(int dialect)
{
    return dialect == Extreme || dialect == Advance ? dialect : int(Classic);
}

void SPNSpintax::clear()
{
    m_text.clear();
    m_code.assign({OpEnd});
    m_table.clear();
    m_choices = 0;
    m_error = NoError;
    m_errorPosition = -1;
}

bool SPNSpintax::parse(const QString& source, int dialect)
{
    clear();
    m_dialect = normalizedDialect(dialect);

    struct Group {
        quint32 choiceAt;   // address of the group's OpChoice
        quint32 firstAlt;   // into alts
        quint32 firstPatch; // into patches
        int openPosition;
    };
    std::vector<Group> groups;
    std::vector<quint32> alts;    // start addresses of the open groups' alternatives
    std::vector<quint32> patches; // OpJump operands to point at their group's end

    const int size = source.size();
    const QChar* in = source.constData();
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    int length = 0;
    int runStart = 0;
    std::vector<quint32> code;
    code.reserve(size_t(size / 4) + 4);

    auto flush = [&] {
        if (length > runStart) {
            code.push_back(OpText);
            code.push_back(quint32(runStart));
            code.push_back(quint32(length - runStart));
        }
        runStart = length;
    };

    for (int i = 0; i < size; ++i) {
        const ushort c = in[i].unicode();
        if (c == '\\' && i + 1 < size) {
            const ushort next = in[i + 1].unicode();
            if (next == '{' || next == '}' || next == '|') {
                out[length++] = in[i + 1];
                ++i;
                continue;
            }
            out[length++] = in[i];
        } else if (c == '{') {
            flush();
            groups.push_back({quint32(code.size()), quint32(alts.size()), quint32(patches.size()), i});
            code.push_back(OpChoice);
            code.push_back(0);
            code.push_back(0);
            alts.push_back(quint32(code.size()));
        } else if (c == '|' && !groups.empty()) {
            flush();
            code.push_back(OpJump);
            patches.push_back(quint32(code.size()));
            code.push_back(0);
            alts.push_back(quint32(code.size()));
        } else if (c == '}') {
            if (groups.empty()) {
                m_error = UnexpectedClose;
                m_errorPosition = i;
                break;
            }
            flush();
            const Group group = groups.back();
            groups.pop_back();
            const quint32 end = quint32(code.size());
            for (size_t p = group.firstPatch; p < patches.size(); ++p)
                code[patches[p]] = end;
            patches.resize(group.firstPatch);
            code[group.choiceAt + 1] = quint32(alts.size() - group.firstAlt);
            code[group.choiceAt + 2] = quint32(m_table.size());
            m_table.insert(m_table.end(), alts.begin() + std::ptrdiff_t(group.firstAlt), alts.end());
            alts.resize(group.firstAlt);
            ++m_choices;
        } else {
            out[length++] = in[i];
        }
    }
    if (m_error == NoError && !groups.empty()) {
        m_error = UnclosedOpen;
        m_errorPosition = groups.back().openPosition;
    }

    if (m_error != NoError) {
        // Not spun: the program writes the source as it stands.
        m_text = source;
        m_table.clear();
        m_choices = 0;
        m_code.clear();
        if (!source.isEmpty())
            m_code.insert(m_code.end(), {OpText, 0, quint32(source.size())});
        m_code.push_back(OpEnd);
        return false;
    }

    flush();
    code.push_back(OpEnd);
    text.truncate(length);
    text.squeeze();
    m_text = text;
    m_code.swap(code);
    m_code.shrink_to_fit();
    m_table.shrink_to_fit();
    return true;
}

QString SPNSpintax::errorString() const
{
    switch (m_error) {
    case UnexpectedClose:
        return QStringLiteral("Unbalanced brace: \"}\" at position %1 closes no \"{\"").arg(m_errorPosition);
    case UnclosedOpen:
        return QStringLiteral("Unbalanced brace: \"{\" at position %1 is never closed").arg(m_errorPosition);
    case NoError:
        break;
    }
    return QString();
}

QString SPNSpintax::spin(Random& random) const
{
    // A variant is never longer than the literal characters together.
    QString result(m_text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    QChar* const begin = out;
    const QChar* text = m_text.constData();
    const quint32* code = m_code.data();
    const quint32* table = m_table.data();
    size_t pc = 0;
    for (;;) {
        switch (code[pc]) {
        case OpText: {
            const quint32 length = code[pc + 2];
            std::memcpy(out, text + code[pc + 1], length * sizeof(QChar));
            out += length;
            pc += 3;
            break;
        }
        case OpChoice: {
            const quint32 count = code[pc + 1];
            const quint32 pick = count == 1 ? 0 : quint32(random.next(int(count)));
            pc = table[code[pc + 2] + pick];
            break;
        }
        case OpJump:
            pc = code[pc + 1];
            break;
        default:
            result.truncate(int(out - begin));
            return result;
        }
    }
}

} // namespace Vexal
