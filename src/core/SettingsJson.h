// The record and the notes as JSON, keys named as the record's fields, texts
// as Unicode strings; for scripts and for comparing settings in tests.
#pragma once

#include "Udecl.h"

#include <QJsonObject>

QJsonObject SettingsToJson(const TModuleSettings &settings, const TUserNotes &notes);
