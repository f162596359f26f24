// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledge/Prose.h"

namespace orbelle::modLearnAstrology::prose {

const std::array<std::string_view, 10> PlanetPositiveTraits = {
    // Sun
    "In itself the Sun is neither good nor evil; its influence turns favourable or harmful according to the aspects "
    "it receives and the sign and house it occupies. As the centre of our solar system and the giver of all life, it "
    "is the backbone of astrology. Natives with a strongly placed Sun are proud, generous, honourable and "
    "magnanimous, with a natural dignity that draws others to them. Leadership and public life suit them, and their "
    "word, once given, can be trusted.",
    // Moon
    "The Moon is a feminine, cold, moist and nocturnal planet. It governs instinct, feeling, memory and the rhythms "
    "of daily life. Lunar natives tend to have a round, pale or soft face, a full figure, grey or light eyes and a "
    "gentle, changeable expression. In temperament they are receptive, imaginative and tender, quick to sense the "
    "moods of others and ready to care for those close to them. They love their home and family, cherish the past and "
    "often have a vivid dream life. Born with a prominent Moon, you feel life first and reason about it afterwards.",
    // Jupiter
    "Hot, airy and sanguine, Jupiter is a beneficent and social planet. It rules growth, wisdom, faith and good "
    "fortune, and it stands for temperance, justice and moderation in all things. Its natives are usually tall and "
    "well built, with a cheerful, open face and a hearty laugh, and they are generous, honest, hopeful and fond of "
    "company. Astrologers call Jupiter the greater fortune because it protects and expands whatever it touches, "
    "opening doors and sending help in times of need.",
    // Mercury
    "Mercury is the ruler of the nerve forces and of the mental faculties: thought, speech, writing, learning and the "
    "exchange of news. People born under a strong Mercury are often slender and agile, with a narrow face, bright, "
    "searching eyes and restless hands. They are curious, witty, versatile and clever with words, good at trade, "
    "teaching and any work that needs a quick mind. Mercury is the most impressionable of the planets and takes its "
    "colour from those it meets: good with the good, bad with the bad. Astrologers therefore read it together with "
    "its aspects.",
    // Venus
    "Venus is called the lesser fortune, a gentle benefic second only to Jupiter in the good it brings. It rules "
    "love, beauty, art, harmony and the pleasures of the senses. Venus natives are often beautiful or at least "
    "charming, with a graceful figure, soft features, dimples and kind, expressive eyes. They desire comfort, "
    "affection, fine clothes, music and pleasant company, and they have a natural gift for making others feel at "
    "ease. Peace-loving and tactful, they smooth quarrels, bring people together and are often drawn to the arts, "
    "fashion or diplomacy.",
    // Mars
    "Mars, the planet of physical force, courage and vitality, gives its natives their greatest happiness when they "
    "are conquering obstacles, and every challenge only makes them stronger. They are brave, frank, enterprising and "
    "full of drive, quick to start and ready to defend the weak. A well-placed Mars lends you the nerve to fight hard "
    "for what you want.",
    // Saturn
    "Prudence and caution, patience and responsibility belong to Saturn. Its influence is constructive and "
    "crystallising: it gives form, structure and endurance to whatever it touches. Saturn natives are usually "
    "serious, reliable, thrifty and hard-working, and they build slowly, but what they build lasts. A well-aspected "
    "Saturn acts as a benefic help to achievement, rewarding steady discipline with solid success that often arrives "
    "late in life.",
    // Uranus
    "A strong Uranus gives you psychic and intuitive powers and sudden flashes of inspiration. You are drawn to "
    "innovative ideas, technology and reform, and you show great resourcefulness in a crisis.",
    // Neptune
    "Neptune makes you spiritual, intuitive and deeply sensitive to the unseen. You are creative and artistic, with a "
    "gift for music, poetry, film or dance. Many people with a strong Neptune are born spiritual leaders, healers and "
    "dreamers who inspire others.",
    // Pluto
    "Pluto is the planet of transformation. It shows where you undergo deep personal change, and it marks changes "
    "that shape whole generations. Pluto rewards you with the power to regenerate, investigate and make discoveries "
    "hidden from others.",
};

const std::array<std::string_view, 10> PlanetNegativeTraits = {
    // Sun
    "As parent of the solar system, the Sun is in sympathy with every planet except Saturn, whose cold restriction "
    "runs against its nature. By temperament it is hot, dry and masculine. Badly configured, it gives arrogance, "
    "vanity, a craving for praise and a domineering manner; well configured, it gives warmth and authority.",
    // Moon
    "Easily influenced, the Moon takes on the colour of whatever sign it passes through, so its natives can be moody, "
    "restless and too open to the opinions of others. It rules the home and bodily health. When it is afflicted by "
    "malefic aspects, it becomes a threat to health and domestic peace.",
    // Jupiter
    "Afflicted, Jupiter turns hope into over-optimism and confidence into boasting. Its natives may grow lazy, "
    "expecting good luck to do all their work, and extravagant with money, food and promises they cannot keep.",
    // Mercury
    "When Mercury is overpowered by Venus, the mind can become slavish, ruled by pleasure and flattery. Afflicted by "
    "other planets, it makes its natives argumentative, restless, sarcastic and sometimes dishonest.",
    // Venus
    "A poorly placed Venus leads to laziness and a love of ease that shuns effort. Its natives can become selfish, "
    "vain and self-indulgent, given to overeating, luxury and idle pleasure, and careless of the feelings of others.",
    // Mars
    "Known in tradition as the bloody planet, Mars is hot, dry, fiery and violent by nature. Afflicted, it makes its "
    "natives rash, quarrelsome, impatient and cruel, prone to accidents, cuts, burns and fevers. When Mars comes near "
    "the Earth, it acts at its strongest, and it is often linked with times of violence, war and strife, when tempers "
    "run high and quarrels flare at the slightest spark.",
    // Saturn
    "Where Saturn falls, obstacle and delay follow: things come late, slowly and only after hard work, and plans meet "
    "barriers that test the patience. Saturn also rules isolation and concentration, and it can separate its natives "
    "from others, making them lonely, melancholy and withdrawn. Afflicted, its influence is hindering and corrosive, "
    "wearing away health, hope and resources like rust on iron. Those under its weight may then become fearful, "
    "rigid, miserly and pessimistic. With a heavy Saturn in your own chart, persistence is what turns its lessons "
    "into strength.",
    // Uranus
    "Uranus can leave you with unfinished goals as you rush to the next plan. You may be moody, and under affliction "
    "you can drift into eccentric or abnormal behaviour.",
    // Neptune
    "An afflicted Neptune may lead you into bad company. Beware of addiction to alcohol, drugs or gambling and of "
    "escapism in all its forms, for you may flee reality rather than face it.",
    // Pluto
    "A difficult Pluto can make you aggressive, dominating and controlling, driven by a need for power over others. "
    "It warns you against violence, whether your own or another's.",
};

} // namespace orbelle::modLearnAstrology::prose
