#include "knowledge/Prose.h"

namespace modLearnAstrology::prose {

const std::array<std::string_view, 12> SignPositiveTraits = {
    // Aries
    "You are a natural pioneer, happiest when you are the first to try something new or explore unknown "
    "territory. You rely on yourself rather than waiting for others to show you the way, and you would "
    "rather make your own mistakes than follow a plan you do not believe in. Courage comes easily to "
    "you; when others hesitate, you act, and your boldness often inspires the people around you to "
    "follow. Your mind is quick and analytical, able to size up a problem swiftly and find a direct "
    "route to its solution. You have a great store of physical and mental energy, and you throw yourself "
    "into every project with enthusiasm. You love a challenge and a contest, and you play to win, which "
    "keeps you striving to improve.",
    // Taurus
    "You are patient and steady, willing to work slowly towards a goal and content to wait for the "
    "results. Your approach to life is practical and down to earth; you trust what you can see, touch "
    "and test for yourself. People know that they can rely on you, because once you have given your word "
    "you keep it, and you finish what you start. You are deeply loyal to your family and friends, and "
    "you stand by them through good times and bad. In love you are warm, affectionate and devoted, and "
    "you show your feelings through comfort, care and physical closeness. You are also good with money, "
    "careful about how you earn and spend it, and you enjoy building a secure home filled with "
    "beautiful, well-made things that last.",
    // Gemini
    "You are adaptable and quick on your feet, able to fit into almost any situation and to get along "
    "with almost anyone. When you are interested in something you can be surprisingly patient, "
    "explaining an idea again and again until others understand it. You are versatile and gifted in many "
    "directions, and you often manage several projects or hobbies at the same time. Your intelligence is "
    "lively and curious, and you grasp new ideas quickly and easily. Change does not frighten you; you "
    "welcome it, seeing each new situation as a fresh chance to learn something. You are eager to learn "
    "all your life, reading, talking and asking questions, and you love to share what you discover with "
    "the people around you through conversation and writing.",
    // Cancer
    "You are sensitive and finely tuned to the moods and feelings of the people around you, often "
    "sensing that something is wrong before a word has been spoken. You tend to be soft-spoken and "
    "gentle in manner, and you rarely need to raise your voice to be heard. Kindness comes naturally to "
    "you; you look after others, remember what matters to them and offer comfort when they are hurt. "
    "Your imagination is rich and vivid, fed by memories, dreams and a strong sense of the past. You are "
    "something of an introvert and need time alone, or with a few trusted people, to recover your "
    "strength. Your emotions run deep, and you feel both joy and sorrow very strongly. Home and family "
    "are at the heart of your life, and you work hard to create a safe, warm and caring place where the "
    "people you love can feel protected.",
    // Leo
    "You are a born leader, and your warm, magnetic personality draws people to you wherever you go. You "
    "walk into a room and others notice, and you usually find yourself at the centre of things without "
    "even trying. You are assertive and confident, willing to take charge, make decisions and stand "
    "behind them. People follow you gladly because you lead with real warmth. You love the limelight and "
    "shine when you have an audience, whether on a stage, at a party or in front of a team that looks to "
    "you for direction. Your heart is big and your generosity is real; you give freely of your time, "
    "your money and your encouragement, and you take genuine pleasure in seeing others do well. You are "
    "broad-minded and tolerant, able to see the larger picture and to forgive small faults in others. "
    "Dignity and pride matter to you, and you try to live up to the high standards you set for yourself. ",
    // Virgo
    "You are modest and prefer to let your work speak for itself rather than boast about it. You are a "
    "perfectionist who pays close attention to detail, and you are rarely satisfied until a job is done "
    "properly. Your judgement is sound and sensible, so people often come to you for practical advice. "
    "You value cleanliness and order in your home, your work and your health. You plan carefully before "
    "you act, and you are punctual, arriving on time and keeping to schedules.",
    // Libra
    "You are a natural diplomat, able to see every side of an argument and to find words that bring "
    "opposing people together. Your charm is easy and genuine, and you make others feel welcome and "
    "appreciated. You are a romantic at heart, happiest when you share your life with a partner, and you "
    "value courtesy, affection and thoughtful gestures. You have an elegant sense of style and a love of "
    "beauty, art and harmony in your surroundings. Your outlook is optimistic, and you prefer to expect "
    "the best of people and of life, even when times are hard. You work well with others and enjoy "
    "cooperation far more than competition, believing that fair partnerships and shared effort produce "
    "better results than anyone could achieve alone.",
    // Scorpio
    "You are an intense person who feels everything deeply and commits fully to whatever you choose to "
    "do. Your will is strong, and once you have decided on a course of action very little can turn you "
    "from it. You are determined and persistent, able to keep going long after others have given up, and "
    "you often succeed through sheer staying power. You have great reserves of energy, both physical and "
    "emotional, which you can focus on a single goal with remarkable force. On the surface you usually "
    "appear calm, controlled and self-possessed, giving little away, but beneath that quiet exterior "
    "lies a powerful, latent aggression that you keep in check. This hidden strength makes you a loyal "
    "and formidable ally and a very difficult opponent to defeat.",
    // Sagittarius
    "You are happy-go-lucky and cheerful, taking life as it comes and trusting that things will work out "
    "well in the end. Your outlook is positive and your good humour is infectious, so people enjoy your "
    "company and feel lighter when you are around. You are adventurous and love to explore, whether that "
    "means travelling to distant countries, studying new subjects or trying unfamiliar ideas. Routine "
    "bores you, and you need plenty of freedom and open space to feel truly alive. You are enterprising "
    "and ready to take a chance on a new venture, and your enthusiasm often persuades others to join "
    "you. You are also an idealist, with a strong belief in truth, fairness and the possibility of a "
    "better world. Your search for meaning may lead you towards philosophy, religion or teaching, and "
    "you are generous in sharing what you learn with anyone who will listen.",
    // Capricorn
    "You respect tradition and value the lessons of the past, preferring tried and tested methods to "
    "passing fashions. You are stable and dependable, a steady presence that others gladly lean on when "
    "life becomes uncertain. You are hard-working and ambitious in a patient way, prepared to climb "
    "slowly towards your goals one careful step at a time. You are prudent with money and resources, "
    "thinking ahead, saving for the future and rarely taking unnecessary risks. Your manner is serious "
    "and responsible, and you often seem older than your years when you are young. You are self-critical "
    "and hold yourself to high standards, which pushes you to keep improving. You may not have many "
    "friends, but the few you choose are loyal to you for life, and you return that loyalty in full.",
    // Aquarius
    "You have a magnetic personality, and your originality and friendliness attract a wide circle of "
    "people. You are a humanitarian at heart, concerned for the welfare of society as a whole and eager "
    "to help build a fairer world. Before you form an opinion you like to weigh both sides of a question "
    "carefully, and you try to judge matters on their merits rather than by prejudice. You are "
    "unconventional and independent, happy to go your own way and untroubled when others find your ideas "
    "unusual. Your mind is sharply intellectual, drawn to science, invention, social reform and new ways "
    "of thinking. You value truth and freedom highly, and you respect the right of every person to be "
    "themselves. Many people see you as a visionary, well ahead of your time.",
    // Pisces
    "You are adaptable and flow easily with changing circumstances, adjusting to new people and places "
    "without fuss or complaint. You are friendly and good-natured, always ready to lend a hand or a "
    "sympathetic ear to anyone in need. Your sensitivity is one of your greatest gifts; you pick up on "
    "the feelings of others and respond with compassion and understanding. Because you are so warm and "
    "accepting, you are usually popular, and people of every kind feel comfortable in your company. You "
    "have a strong artistic and imaginative side that may find expression in music, painting or writing. "
    "You are truly home-loving, and you feel most at peace in a quiet, comfortable place where you can "
    "rest, dream and recover.",
};

// Appended directly to the main part of Leo's paragraph (SignPositiveTraits[4]).
const std::string_view LeoPositiveTraitsTail = "You always honour your promises. "
                                               "You organise brilliantly. Your style is flamboyant.";

const std::array<std::string_view, 12> SignNegativeTraits = {
    // Aries
    "Your confidence can tip over into arrogance, and you may assume that your way is the only sensible "
    "one. When you are sure of yourself you can become domineering, giving orders instead of asking for "
    "help. Your temper is short, and when it flares it can be fierce and even violent, though the storm "
    "passes quickly. You can be self-centred, so caught up in your own goals that you forget what others "
    "need. You can be intolerant of slower or more cautious people and of views that differ from yours. "
    "Once someone has truly wronged you, you may hold a grudge for a long time.",
    // Taurus
    "You can be extremely stubborn, and once your mind is made up nothing will move you. In "
    "relationships you may become possessive, treating people as if they belonged to you. When you are "
    "comfortable you can turn lazy and resist any effort to change. You may judge life too much by what "
    "you own, and you can seem unsociable when you prefer your own company. At worst you become greedy "
    "for more.",
    // Gemini
    "You can be inconsistent, saying one thing today and something quite different tomorrow. You are "
    "restless by nature and easily bored, so you may leave tasks unfinished once they stop being new. "
    "Your nervous energy can wear you out and leave you tense and unable to relax. In love and "
    "friendship you may seem fickle, moving on before others are ready. Your quick wits can turn cunning "
    "when you want your own way, and your inquisitive streak can make you pry into matters that are not "
    "your business.",
    // Cancer
    "Your moods can change as often as the tides, and the people around you never know quite which "
    "version of you they will meet. You can be indecisive, hovering on the edge of a choice for so long "
    "that the chance passes you by. Behind your gentle manner lies a shrewd streak, and you may use it "
    "to get your own way without admitting what you are doing. When you feel insecure you can become "
    "selfish, thinking first of your own safety. Above all, you find it hard to let go of people, "
    "possessions and old hurts, clinging to the past long after it has ended.",
    // Leo
    "When your pride is wounded your temper can explode, and at its worst your anger can become violent "
    "and frightening to those around you. You can be arrogant, looking down on people you consider less "
    "gifted and expecting their admiration. Once you have taken a position you can be very stubborn, "
    "refusing to back down even when you are clearly in the wrong. You may become conceited, needing "
    "constant praise and sulking when the attention moves to someone else. Your opinions can harden into "
    "dogma, and you may insist that your view is the only correct one. You can also develop a hunger for "
    "power, wanting to control every situation and every person within your reach.",
    // Virgo
    "You can be fussy about details others barely notice. You tend to worry, turning over every possible "
    "problem until it keeps you awake. At times you seem unsociable and withdraw from company. You are "
    "often harshly self-critical, never quite pleased with your own efforts. When you are tired or under "
    "strain you become irritable and quick to find fault.",
    // Libra
    "You can be painfully indecisive, weighing every option until the moment to act has gone. You are "
    "sometimes gullible, trusting people who do not deserve it. Your charm can become flirtatious, "
    "causing misunderstandings. You may be self-indulgent, giving in too easily to comfort and pleasure. "
    "Because you hate conflict, you may try to keep the peace at any cost, even when standing firm would "
    "be wiser.",
    // Scorpio
    "You can be blunt to the point of cruelty, saying exactly what you think without softening it for "
    "the listener. Your desire to understand what lies beneath the surface can make you prying, digging "
    "into other people's secrets while guarding your own closely. You are temperamental, and your moods "
    "can shift from cool to stormy with little warning. When you feel betrayed or pushed too far, the "
    "aggression you usually keep hidden may break out, and you can turn violent. You may also find it "
    "very hard to forgive or forget.",
    // Sagittarius
    "You can be too outspoken, blurting out the truth without thinking about how it will hurt. You are "
    "restless and may drift from place to place, job to job or plan to plan. You are impatient with "
    "delays and details, and your temper can be explosive when you feel restricted. You may be boastful "
    "about your adventures and achievements, and you can be irresponsible, making promises you later "
    "forget to keep.",
    // Capricorn
    "You can be rigid in your thinking, clinging to old rules and familiar routines even when they no "
    "longer serve any purpose. Your ambition can grow excessive, so that success and status matter more "
    "to you than the people you love. Once you have settled on a plan you can be stubborn and unwilling "
    "to hear other points of view. In positions of authority you may become domineering and demand "
    "obedience rather than earning respect. You can also be moody, sinking into gloomy spells, and your "
    "outlook can turn pessimistic, expecting the worst before anything has gone wrong.",
    // Aquarius
    "Although you are friendly, you can be slow to make close friends, keeping people at a polite "
    "distance until you are sure of them. You may become a loner, more comfortable with ideas than with "
    "feelings and reluctant to share your inner life. Others sometimes find you unreliable, because you "
    "can lose interest in a commitment once something more exciting comes along. You can be whimsical, "
    "following sudden notions and odd fancies that make little sense to the people around you. Above all "
    "you are unpredictable, changing your mind or your plans without warning, and this can leave friends "
    "and partners feeling unsettled. Your love of independence can also make you seem cold, detached or "
    "stubbornly contrary.",
    // Pisces
    "You may seek sympathy too often, presenting yourself as the helpless victim of circumstance and "
    "hoping someone will rescue you. You can be dreamy, drifting into fantasy when reality becomes "
    "difficult. In everyday matters you are often impractical, and others may find you unreliable "
    "because you forget arrangements or change your mind. At times a deep melancholy settles over you, "
    "and you can withdraw into silent sadness.",
};

} // namespace modLearnAstrology::prose
