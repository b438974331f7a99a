#pragma once

#include "data/DBTypedList.h"
#include "sites/DBFirstName.h"

namespace Vexal {

// All first names, those of one language, or those of one language and gender.
class DBFirstNameList final : public DBTypedList<DBFirstName>
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeLanguage = 1, ModeGender = 2 };

    // All rows.
    explicit DBFirstNameList(QObject* parent = nullptr);
    explicit DBFirstNameList(int languageId, QObject* parent = nullptr);
    DBFirstNameList(int languageId, bool gender, QObject* parent = nullptr);

    QString whereText() const override;

    // The first record; on an empty list a new unsaved one, appended.
    DBFirstName* firstOrCreate();

    int languageId() const { return m_languageId; }
    bool gender() const { return m_gender; }

private:
    int m_languageId;
    bool m_gender;
};

} // namespace Vexal
