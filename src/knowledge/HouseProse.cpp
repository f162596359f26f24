// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledge/Prose.h"

namespace orbelle::modLearnAstrology::prose {

const std::array<std::string_view, 12> HouseAttributes = {
    // 1st House
    "The first house belongs to the eastern horizon, where the Sun rises, and it stands for you: your self and your "
    "individuality, the person you are before any role. Astrologers call it the outer personality, the face you show "
    "strangers and the impression you leave at a first meeting. Its sign, your rising sign, colours how you start "
    "things and stand up for yourself, and any planet inside it adds its voice to your character. Because it is where "
    "the chart meets the visible world, it also shapes the body: your physical appearance and health, your head, face "
    "and complexion, and the early years in which all these were formed.",
    // 2nd House
    "What you own, and what you think it is worth, is the business of the second house. It covers material possessions "
    "and wealth, the income you earn and the way you handle your resources: whether you save, spend or give. Its organ "
    "in Western astrology is the throat, ruled by Taurus; Indian astrology adds the eyesight, the appraiser's most "
    "useful sense. Its deeper subject is value of another kind: your self-esteem, the sense of worth that lets you "
    "name a fair price for your work and walk away from a poor one. Your talents count as resources too: a gift for "
    "music or figures is capital you can develop and turn into income over the years.",
    // 3rd House
    "How you speak, write and listen, and how quickly you learn, are questions for the third house, the seat of "
    "communication and verbal skill. It covers your brothers and sisters, your neighbours and the small world around "
    "your door: short trips, errands, the daily commute and the messages that keep you connected. Through Gemini it "
    "takes the shoulders, which carry the arms and hands that write and gesture. Astrologers in India give it the "
    "right ear, apt for so talkative a house, and add stamina and courage, the drive to keep going. Your intellect "
    "belongs to it in its practical form: the busy mind that gathers facts, sorts them and passes them on.",
    // 4th House
    "At the foot of the chart, the fourth house is the root from which everything else grows. It stands for your "
    "mother and your home: the family that raised you, the place where you belong and any house or land you come to "
    "own. Emotional security is what it protects: the private life in which you can close the door and be yourself. "
    "Its share of the body is the chest, the lungs and the stomach, organs that shelter and feed as a home does. Time "
    "runs through it at both ends: your childhood and the memories you carry from it, and old age, the close of life, "
    "when many return to where they began.",
    // 5th House
    "The fifth is Leo's house, ruled by the Sun, and it concerns whatever you bring to life for the sheer joy of it, "
    "from a painting to a party. Love affairs and romance are its delight: the first rush of attraction, the "
    "flirtation and courtship that come before any promise. Hobbies, games, sport, art and the gambler's wager all "
    "play out in its rooms. The heart falls to it, as it falls to Leo, while the Indian reckoning adds the liver and "
    "the spleen, together with intellect and education, the mind's own offspring. Children are its most lasting "
    "creation, both your own and the young people you teach, guide or take on as protégés.",
    // 6th House
    "Daily work and daily health share the sixth house, and the link is sensible: how you spend your hours shapes how "
    "well you feel. It shows your skills and the kind of work that suits you, less the grand career than the tasks, "
    "routines and practical abilities that fill a working week. Its people are your colleagues and anyone who works "
    "for you, and in India your employers are counted among them too. Duty, order and useful service are its virtues. "
    "Its organs are the intestines, which it shares with Virgo, and the uterus; Indian astrologers add the kidneys. "
    "Illness and stress show where routine has broken down, and sound habits of diet and exercise are its remedy.",
    // 7th House
    "Facing the rising sign across the chart, the seventh house describes the person on the other side of the table. "
    "It is the house of marriage, and it governs the genitals, the body's own instrument of union. From it astrologers "
    "read the choice of partner: the qualities you look for in a husband or wife and the sort of person you attract. "
    "It suggests how much happiness you are likely to find with your spouse and how well the two of you share the "
    "give-and-take of life together. Business partners and contracts are judged by it as well, and so are open "
    "enemies, the rivals who face you in plain sight: each is a bond between two.",
    // 8th House
    "Sex, death and other people's money: the eighth house holds what people find hardest to discuss. It describes "
    "your sexual nature and the intensity you bring to intimacy, and like Scorpio it rules the sexual organs. It is, "
    "by tradition, the house of death, though it more often marks endings and rebirth than death itself. Secrets, "
    "hidden fears and phobias lie in its depths, with the crises that change you for good. Money reaches you through "
    "it in unconventional ways: a legacy or inheritance, a partner's earnings, an insurance payout. Debts you share "
    "and taxes you owe are settled in the same house.",
    // 9th House
    "Beyond the horizon of everyday life lies the ninth house, home of far travel and higher thought. It holds your "
    "values, the convictions behind your sense of right and wrong, and the philosophy and religion that give them "
    "shape, together with higher learning and the search for truth. Intuition, the inner knowing that runs ahead of "
    "logic, has its place too. Its long journeys may cross oceans or stay in the mind. Counted as the fifth house from "
    "the fifth, the house of children, it also speaks of your grandchildren. And it keeps your dreams, whether they "
    "come in sleep or as hopes for the years ahead.",
    // 10th House
    "Career and public standing are the concern of the tenth house, which in quadrant house systems begins at the "
    "Midheaven, the highest point of the chart. Your work, your ambitions and your reputation show in it, and so do "
    "your relationships at every level, with those above, beside and below you. Authority and honour are tenth-house "
    "matters too: how you carry power and what respect or titles you earn. Saturn, its ruler, gives it the frame of "
    "the body, the bones, joints, spine and knees, and even the hair: things that grow slowly and last, as a good name "
    "does.",
    // 11th House
    "Friends, groups and the hopes you share with them make up the eleventh house. Sociability is its gift: the clubs "
    "and circles you join, the allies you gather and the help they give you towards your goals. Indian astrologers "
    "read it above all as the house of income and gains, the rewards your work brings in, and they give it the teeth "
    "and the left ear as well. Western practice assigns it the legs and ankles, which Aquarius rules. It also takes in "
    "the children who join a family other than by birth: those who are adopted, and stepchildren who arrive with a new "
    "marriage.",
    // 12th House
    "Last of the twelve, the house of expenses and losses is also the most private, and older texts call it \"the "
    "house of self-undoing\". It holds your psychic perception, your hidden self and the longings you keep even from "
    "those closest to you. Hospitals, prisons and retreats are its places. Pisces gives it the feet, the last stop on "
    "the zodiac's journey from head to toe, and the Indian tradition adds the left eye. Karma, the afterlife and "
    "rebirth are its last concern, for where the circle of houses ends, it begins again.",
};

} // namespace orbelle::modLearnAstrology::prose
