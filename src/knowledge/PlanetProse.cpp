// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledge/Prose.h"

namespace orbelle::modLearnAstrology::prose {

const std::array<std::string_view, 10> PlanetPositiveTraits = {
    // Sun
    "The Sun is neither good nor evil in itself: its aspects and its place in the chart decide together whether it "
    "helps or harms. Honoured as the centre and giver of life, it is also the backbone of astrology: the zodiac is "
    "measured along its yearly path, and the sign it occupies at birth is the one most people call their own. Pride "
    "and magnanimity mark the natives of a strongly placed Sun, who carry natural authority and keep their word.",
    // Moon
    "The Moon, a feminine planet, cold and moist by nature and nocturnal by habit, governs the tides, and with them "
    "instinct, feeling and memory. Swiftest of the heavenly bodies, it describes the changing rhythms of daily life. "
    "People born under a prominent Moon often have a round, pale face, a soft, full figure and grey or light eyes "
    "whose expression shifts with the planet's phases. In temperament they take after it, sensing another's mood "
    "before a word is spoken, imagining freely and nursing anyone in need. Home, family and the past hold their "
    "deepest loyalty, and they seldom forget a kindness.",
    // Jupiter
    "By the old reckoning Jupiter's nature is hot, airy and sanguine, and no planet is more beneficent or more "
    "social. It rules growth, wisdom and faith, and it stands for temperance, justice and moderation, the virtues of "
    "a fair judge. Its children are jovial in every sense: open-handed and honest, quick to laugh, slow to take "
    "offence and the best of company at any table. The ancients named it the greater fortune, since it enlarges every "
    "good it meets.",
    // Mercury
    "Mercury governs the nerve forces and the mental faculties: thought, speech, learning and the carrying of news, as "
    "befits the messenger of the gods. A strong Mercury gives a slender, agile body, a narrow face, bright searching "
    "eyes and hands that are never still. Its people live by their wits, curious and versatile, clever with words and "
    "at home in trade or teaching. Of all the planets, Mercury is the most impressionable: joined to a benefic it does "
    "good, joined to a malefic it does harm, like a messenger who repeats whatever he is told.",
    // Venus
    "Tradition calls Venus the lesser fortune, a gentle benefic second only to Jupiter in the good it brings. Its "
    "province is love, in art as in life, and every pleasure of the senses. Those whom Venus favours are often "
    "beautiful, or at least charming, with a graceful figure, soft features, dimples and kind, expressive eyes. "
    "Comfort and affection are their chief desires, with music, fine clothes and pleasant company to sweeten the day. "
    "They put others at ease without trying, and their tact and love of peace smooth over quarrels; many carry that "
    "grace into fashion or diplomacy.",
    // Mars
    "Physical force, courage and vitality are the gifts of Mars, and its natives are happiest with an obstacle to "
    "conquer. Frank and enterprising, they are quick to start and ready to defend the weak, and a setback only "
    "sharpens their appetite for the fight. A well-placed Mars lends you the nerve to go after what you want.",
    // Saturn
    "Saturn teaches prudence and caution, patience and responsibility, lessons most people learn only with age. Its "
    "influence is constructive and crystallising: it gives form, structure and endurance, as frost sets water into "
    "ice. Saturnine people work hard, save carefully and honour their debts; they build slowly, but what they build "
    "lasts. Well aspected, Saturn becomes a benefic help to achievement, rewarding steady discipline with success that "
    "often comes late in life.",
    // Uranus
    "Uranus strikes like lightning. Strong in your chart, it gives you psychic and intuitive powers, sudden flashes of "
    "inspiration, a taste for innovative ideas and, in a crisis, a resourcefulness that surprises everyone.",
    // Neptune
    "Neptune dissolves the line between you and the unseen, making you spiritual and intuitive. Music, poetry, film or "
    "dance draw out your creative and artistic gifts, and where Neptune dominates, you may prove a born leader in "
    "matters of faith.",
    // Pluto
    "Pluto, the planet of transformation, shows where your own life must break down and be rebuilt, and its slow "
    "passage through the signs marks the turning of whole generations. From its depths you bring discoveries to light.",
};

const std::array<std::string_view, 10> PlanetNegativeTraits = {
    // Sun
    "Parent of the solar system, the Sun lives in sympathy with every planet except Saturn, whose cold restraint "
    "opposes it. Its nature is masculine, hot and dry as noon. Whether that heat does good or evil depends on "
    "configuration: badly placed, it breeds arrogance, vanity and a hunger for praise.",
    // Moon
    "The Moon readily takes its colour from each sign it crosses, changing character every two or three days. Lunar "
    "people share that weakness: they turn moody and restless and agree with whoever spoke to them last. The Moon "
    "governs the home and bodily health, so when malefic aspects strike it, body and household suffer together.",
    // Jupiter
    "Jupiter errs by excess. At its worst it inflates hope into over-optimism and confidence into boasting; its "
    "natives turn lazy, trusting luck to do their work, and extravagant with money, food and promises alike.",
    // Mercury
    "When Venus overpowers Mercury, the mind grows slavish, a servant of pleasure and flattery. Under hard aspects "
    "Mercury sharpens the tongue, making people argumentative, sarcastic and at times dishonest.",
    // Venus
    "A poorly placed Venus loves ease too well and shuns hard work. Those under it become selfish, vain and "
    "self-indulgent, given to rich food, luxury and idle pleasure, and deaf to every need but their own.",
    // Mars
    "Mars is the bloody planet of tradition, red in the sky and by nature fiery, hot and violent. Harsh aspects leave "
    "its natives rash, quarrelsome, impatient and cruel, prone to accidents, cuts, burns and fevers. Every two years "
    "or so the planet swings nearest the Earth, and then its power is at its height: astrologers have long linked "
    "those close approaches with riots, war and bloodshed.",
    // Saturn
    "Where Saturn stands, obstacles and delays follow: things come late and only after hard work, and patience is "
    "tried at every step. It also rules isolation and concentration, narrowing life to one task in one room until "
    "people grow lonely and withdrawn. Afflicted, its influence hinders and corrodes, wearing away health, hope and "
    "resources as surely as lead poisons the blood. Under that weight people turn fearful, rigid, miserly and gloomy. "
    "With a heavy Saturn in your own chart, persistence is what turns its lessons into strength.",
    // Uranus
    "Uranus under stress scatters you, leaving goals half-finished as you race towards the next plan. Your moods shift "
    "without warning, and at worst your behaviour turns eccentric or even abnormal.",
    // Neptune
    "Lost in Neptune's fog, you drift into bad company without seeing it. Alcohol, drugs or gambling can become an "
    "addiction, and escapism, whether through fantasy, screens or sleep, lets you dodge every difficulty.",
    // Pluto
    "A difficult Pluto makes you aggressive and hungry to dominate and control others. Above all it warns you against "
    "violence, whether you commit it or suffer it.",
};

} // namespace orbelle::modLearnAstrology::prose
