// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledge/Tables.h"

namespace orbelle::modLearnAstrology {

void FillTopicTable(Topic topic) {
    switch (topic) {
    case Topic::Signs:
        FillSignTable();
        return;
    case Topic::Planets:
        FillPlanetTable();
        return;
    case Topic::Houses:
        break;
    }
    FillHouseTable();
}

int RecordCount(Topic topic) noexcept {
    switch (topic) {
    case Topic::Signs:
        return SignTableColumns::Records;
    case Topic::Planets:
        return PlanetTableColumns::Records;
    case Topic::Houses:
        break;
    }
    return HouseTableColumns::Records;
}

const Column& NameColumn(Topic topic) noexcept {
    switch (topic) {
    case Topic::Signs:
        return SignTable().SignName;
    case Topic::Planets:
        return PlanetTable().PlanetName;
    case Topic::Houses:
        break;
    }
    return HouseTable().HouseSign;
}

const Column& ColumnFor(Topic topic, int attributeIndex) noexcept {
    // Each topic's chain of choices ends in its last column, whatever the index.
    const auto pick = [attributeIndex](const auto& table, const auto& columns,
                                       int firstAttributeColumn) -> const Column& {
        const int attributes = static_cast<int>(columns.size()) - firstAttributeColumn;
        const int index = attributeIndex >= 0 && attributeIndex < attributes ? attributeIndex : attributes - 1;
        return table.*columns[static_cast<std::size_t>(index + firstAttributeColumn)];
    };
    switch (topic) {
    case Topic::Signs:
        return pick(SignTable(), SignColumns, 0);
    case Topic::Planets:
        return pick(PlanetTable(), PlanetColumns, 0);
    case Topic::Houses:
        break;
    }
    return pick(HouseTable(), HouseColumns, 2);
}

const std::string& RecordTitle(Topic topic, int recordIndex) noexcept {
    static const std::string none;
    const Column& titles = topic == Topic::Houses ? HouseTable().HouseNumber : NameColumn(topic);
    if (recordIndex < 0 || recordIndex >= static_cast<int>(titles.size()))
        return none;
    return titles[static_cast<std::size_t>(recordIndex)];
}

} // namespace orbelle::modLearnAstrology
