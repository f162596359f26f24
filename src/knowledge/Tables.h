// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/Topic.h"

#include <array>
#include <string>
#include <vector>

// The compiled-in knowledge base: three tables of parallel text columns, one entry
// per record. The tables start out as empty texts and are filled on demand by the
// learn browser and the question generator; a fill always writes the same constants.
namespace orbelle::modLearnAstrology {

using Column = std::vector<std::string>;

struct SignTableColumns {
    static constexpr int Records = 12;
    Column SignName = Column(Records), Dates = Column(Records), SignNumber = Column(Records),
           OppositeSign = Column(Records), Keywords = Column(Records), PositiveTraits = Column(Records),
           NegativeTraits = Column(Records), Element = Column(Records), RulingPlanet = Column(Records),
           LuckyNumber = Column(Records), LuckyColor = Column(Records), LuckyDay = Column(Records),
           Birthstone = Column(Records), Quality = Column(Records), Anatomy = Column(Records),
           FlowerEssence = Column(Records);
};

struct PlanetTableColumns {
    static constexpr int Records = 10;
    Column PlanetName = Column(Records), RulerForSign = Column(Records), Keywords = Column(Records),
           PositiveTraits = Column(Records), NegativeTraits = Column(Records), Anatomy = Column(Records),
           CycleTime = Column(Records), RulerForHouse = Column(Records);
};

// HouseSign names the records (it is what a test report lists); HouseNumber is the
// title the screens show. Neither is an attribute: attribute i is column i + 2.
struct HouseTableColumns {
    static constexpr int Records = 12;
    Column HouseSign = Column(Records), HouseNumber = Column(Records), HouseName = Column(Records),
           HousePlanetRuler = Column(Records), HouseSignRuler = Column(Records), HouseAttributes = Column(Records),
           Keywords = Column(Records), Mantra = Column(Records), HouseType = Column(Records);
};

// Columns in storage order; for signs and planets the position is the attribute index.
inline constexpr std::array<Column SignTableColumns::*, 16> SignColumns = {
    &SignTableColumns::SignName,       &SignTableColumns::Dates,      &SignTableColumns::SignNumber,
    &SignTableColumns::OppositeSign,   &SignTableColumns::Keywords,   &SignTableColumns::PositiveTraits,
    &SignTableColumns::NegativeTraits, &SignTableColumns::Element,    &SignTableColumns::RulingPlanet,
    &SignTableColumns::LuckyNumber,    &SignTableColumns::LuckyColor, &SignTableColumns::LuckyDay,
    &SignTableColumns::Birthstone,     &SignTableColumns::Quality,    &SignTableColumns::Anatomy,
    &SignTableColumns::FlowerEssence,
};
inline constexpr std::array<Column PlanetTableColumns::*, 8> PlanetColumns = {
    &PlanetTableColumns::PlanetName,     &PlanetTableColumns::RulerForSign,   &PlanetTableColumns::Keywords,
    &PlanetTableColumns::PositiveTraits, &PlanetTableColumns::NegativeTraits, &PlanetTableColumns::Anatomy,
    &PlanetTableColumns::CycleTime,      &PlanetTableColumns::RulerForHouse,
};
inline constexpr std::array<Column HouseTableColumns::*, 9> HouseColumns = {
    &HouseTableColumns::HouseSign,        &HouseTableColumns::HouseNumber,    &HouseTableColumns::HouseName,
    &HouseTableColumns::HousePlanetRuler, &HouseTableColumns::HouseSignRuler, &HouseTableColumns::HouseAttributes,
    &HouseTableColumns::Keywords,         &HouseTableColumns::Mantra,         &HouseTableColumns::HouseType,
};

const SignTableColumns& SignTable() noexcept;
const PlanetTableColumns& PlanetTable() noexcept;
const HouseTableColumns& HouseTable() noexcept;

void FillSignTable();
void FillPlanetTable();
void FillHouseTable();
void FillTopicTable(Topic topic);

// 12 for signs and houses, 10 for planets.
int RecordCount(Topic topic) noexcept;

// The column that names the records: SignName, PlanetName or HouseSign.
const Column& NameColumn(Topic topic) noexcept;

// The column that holds attribute attributeIndex of the topic. An index past the end
// of the topic's list (or below 0) selects the topic's last column.
const Column& ColumnFor(Topic topic, int attributeIndex) noexcept;

// The title a screen shows for a record: its name, or "1st House" ... for houses.
// An index outside the table gives the empty text.
const std::string& RecordTitle(Topic topic, int recordIndex) noexcept;

} // namespace orbelle::modLearnAstrology
