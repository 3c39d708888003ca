<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>Opened “%1”. Ombrel opens one lesson at a time; not opened: %2.</source>
        <translation>« %1 » ouvert. Ombrel ouvre une leçon à la fois ; non ouvert : %2.</translation>
    </message>
</context>
<context>
    <name>BuiltInScenes</name>
    <message>
        <source>Billboards</source>
        <translation>Panneaux</translation>
    </message>
    <message>
        <source>Three bars at three depths: each is a band in ray space, its slope set by its depth.</source>
        <translation>Trois barres à trois profondeurs : chacune est une bande dans l’espace des rayons, dont la pente dépend de sa profondeur.</translation>
    </message>
    <message>
        <source>Two Dots</source>
        <translation>Deux points</translation>
    </message>
    <message>
        <source>Dots at a quarter and three quarters of the way up: two lines of different slopes in ray space.</source>
        <translation>Des points au quart et aux trois quarts de la hauteur : deux droites de pentes différentes dans l’espace des rayons.</translation>
    </message>
    <message>
        <source>Occluder</source>
        <translation>Occultation</translation>
    </message>
    <message>
        <source>A bar in front of a wider wall: where both lie on a ray, ray space shows the one nearer the lower line.</source>
        <translation>Une barre devant un mur plus large : là où les deux sont sur un même rayon, l’espace des rayons montre celui qui est le plus près de la ligne inférieure.</translation>
    </message>
    <message>
        <source>Picket Fence</source>
        <translation>Palissade</translation>
    </message>
    <message>
        <source>Bars at one depth: sharp stripes in the photo only when the focus reaches their depth.</source>
        <translation>Des barres à une même profondeur : des rayures nettes dans la photo seulement quand la mise au point atteint leur profondeur.</translation>
    </message>
    <message>
        <source>Depth Ladder</source>
        <translation>Échelle de profondeurs</translation>
    </message>
    <message>
        <source>Five bars at evenly spaced heights: sweep the focus to bring each into focus in turn.</source>
        <translation>Cinq barres à des hauteurs régulièrement espacées : balayez la mise au point pour rendre chacune nette à son tour.</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>An empty scene: white rays and a white photo, ready for shapes of your own.</source>
        <translation>Une scène vide : des rayons blancs et une photo blanche, prête pour vos propres formes.</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Shapes of random kinds, places and colours: guess their depths from ray space.</source>
        <translation>Des formes de types, de positions et de couleurs aléatoires : devinez leurs profondeurs d’après l’espace des rayons.</translation>
    </message>
</context>
<context>
    <name>CameraPanel</name>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Viewpoint</source>
        <translation>Point de vue</translation>
    </message>
    <message>
        <source>Where the aperture&apos;s centre sits on the lower line: moving it gives parallax</source>
        <translation>Où se trouve le centre de l’ouverture sur la ligne inférieure : le déplacer donne de la parallaxe</translation>
    </message>
    <message>
        <source>Viewpoint:</source>
        <translation>Point de vue :</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Boîte</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Tente</translation>
    </message>
    <message>
        <source>Gaussian</source>
        <translation>Gaussienne</translation>
    </message>
    <message>
        <source>Two slits</source>
        <translation>Deux fentes</translation>
    </message>
    <message>
        <source>K pinholes</source>
        <translation>K sténopés</translation>
    </message>
    <message>
        <source>How the aperture weighs its samples: the blur takes its shape</source>
        <translation>Comment l’ouverture pondère ses échantillons : le flou prend sa forme</translation>
    </message>
    <message>
        <source>Aperture:</source>
        <translation>Ouverture :</translation>
    </message>
    <message>
        <source>How many pinholes spread over the aperture: a camera array</source>
        <translation>Combien de sténopés répartis sur l’ouverture : une matrice de caméras</translation>
    </message>
    <message>
        <source>Pinholes K:</source>
        <translation>Sténopés K :</translation>
    </message>
    <message>
        <source>Keep aperture width</source>
        <translation>Garder la largeur d’ouverture</translation>
    </message>
    <message>
        <source>The depth-of-field slider sets the aperture&apos;s width on the lower line, so refocusing keeps the aperture, as a real camera does</source>
        <translation>Le curseur de profondeur de champ règle la largeur de l’ouverture sur la ligne inférieure, si bien que la remise au point garde l’ouverture, comme le fait un vrai appareil</translation>
    </message>
    <message>
        <source>&amp;Camera</source>
        <translation>&amp;Caméra</translation>
    </message>
    <message>
        <source>A pinhole photo is one row of ray space.</source>
        <translation>Une photo au sténopé est une ligne de l’espace des rayons.</translation>
    </message>
    <message>
        <source>Aperture %L1 wide on the lower line: d = %L2 samples at %L3°</source>
        <translation>Ouverture de %L1 de large sur la ligne inférieure : d = %L2 échantillons à %L3°</translation>
    </message>
    <message>
        <source>Capped at d = %L1 (the image&apos;s width): near 0° the width would need ever more samples</source>
        <translation>Limité à d = %L1 (la largeur de l’image) : près de 0°, la largeur demanderait toujours plus d’échantillons</translation>
    </message>
    <message>
        <source>The photo is ray-space row %L1 from the bottom (highlighted).</source>
        <translation>La photo est la ligne %L1 de l’espace des rayons en partant du bas (en surbrillance).</translation>
    </message>
    <message>
        <source>p = %L1, the centre</source>
        <translation>p = %L1, le centre</translation>
    </message>
    <message>
        <source>p = %L1, %L2 left of the centre</source>
        <translation>p = %L1, %L2 à gauche du centre</translation>
    </message>
    <message>
        <source>p = %L1, %L2 right of the centre</source>
        <translation>p = %L1, %L2 à droite du centre</translation>
    </message>
    <message>
        <source>Render to place the camera</source>
        <translation>Rendre pour placer la caméra</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>Photo pixel %L1 takes no sample</source>
        <translation>Le pixel photo %L1 ne prend aucun échantillon</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>barre</translation>
    </message>
    <message>
        <source>the %L1 %L2</source>
        <translation>%L2 (%L1)</translation>
    </message>
    <message>
        <source>something %L1</source>
        <translation>quelque chose (%L1)</translation>
    </message>
    <message>
        <source>%L1 (%L2%)</source>
        <translation>%L1 (%L2 %)</translation>
    </message>
    <message>
        <source>Photo pixel %L1 sees %L2 through %L3% of the aperture</source>
        <translation>Le pixel photo %L1 voit %L2 à travers %L3 % de l’ouverture</translation>
    </message>
    <message>
        <source>, the rest meets %L1</source>
        <translation>, le reste rencontre %L1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>At %L1% up, moving the viewpoint 1 right moves the image %L2 photo px left</source>
        <translation>À %L1 % de la hauteur, déplacer le point de vue de 1 vers la droite déplace l’image de %L2 pixels photo vers la gauche</translation>
    </message>
    <message>
        <source>A row of views counts its aperture in views, which refocusing does not change: the depth-of-field slider sets how many</source>
        <translation>Une rangée de vues compte son ouverture en vues, que la remise au point ne change pas : le curseur de profondeur de champ dit combien</translation>
    </message>
    <message>
        <source>The viewpoint is the view read unshifted; the profile weighs the views around it, as many on each side as the depth of field says. The point-spread plot needs the scene&apos;s depths, which real views do not give.</source>
        <translation>Le point de vue est la vue lue sans décalage ; le profil pondère les vues autour d’elle, autant de chaque côté que le dit la profondeur de champ. Le tracé d’étalement du point a besoin des profondeurs de la scène, que de vraies vues ne donnent pas.</translation>
    </message>
</context>
<context>
    <name>DepthSlopes</name>
    <message>
        <source>Show Slop&amp;es</source>
        <translation>Afficher les pe&amp;ntes</translation>
    </message>
    <message>
        <source>slopes give λ = %L1</source>
        <translation>les pentes donnent λ = %L1</translation>
    </message>
    <message>
        <source>slopes give no confident λ</source>
        <translation>les pentes ne donnent pas de λ fiable</translation>
    </message>
    <message>
        <source>, true λ = %L1</source>
        <translation>, λ réel = %L1</translation>
    </message>
    <message>
        <source>Show Slopes cannot read this light field here.</source>
        <translation>« Afficher les pentes » ne peut pas lire ce champ de lumière ici.</translation>
    </message>
    <message>
        <source>Show Slopes needs at least 3 views to read slopes; this light field has %1.</source>
        <translation>« Afficher les pentes » a besoin d’au moins 3 vues pour lire les pentes ; ce champ de lumière en a %1.</translation>
    </message>
    <message>
        <source>Show Slopes reads only a square ray space, not %1 × %2 pixels.</source>
        <translation>« Afficher les pentes » ne lit qu’un espace des rayons carré, pas %1 × %2 pixels.</translation>
    </message>
    <message>
        <source>disparity %L1</source>
        <translation>disparité %L1</translation>
    </message>
    <message>
        <source>%L1 px per view</source>
        <translation>%L1 px par vue</translation>
    </message>
    <message>
        <source>slopes give disparity %L1 px per view</source>
        <translation>les pentes donnent une disparité de %L1 px par vue</translation>
    </message>
    <message>
        <source>slopes give no confident disparity</source>
        <translation>les pentes ne donnent pas de disparité fiable</translation>
    </message>
</context>
<context>
    <name>DocumentDialogs</name>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l’image</translation>
    </message>
    <message>
        <source>Add a &amp;title, the axes&apos; names and the focus line</source>
        <translation>Ajouter un &amp;titre, les noms des axes et la ligne de mise au point</translation>
    </message>
    <message>
        <source>Around the scene, the ray space or the photo: a title with the optics and the names of the axes; on the scene also the focus line and sharp band when View ▸ Show Focus Depth is on</source>
        <translation>Autour de la scène, de l’espace des rayons ou de la photo : un titre avec l’optique et les noms des axes ; sur la scène aussi la ligne de mise au point et la bande nette quand Affichage ▸ Afficher la profondeur de mise au point est activé</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Enregistrer…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Image :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Open Scene</source>
        <translation>Ouvrir une scène</translation>
    </message>
    <message>
        <source>Ombrel scenes (*.ombrel)</source>
        <translation>Scènes Ombrel (*.ombrel)</translation>
    </message>
    <message>
        <source>Save Scene</source>
        <translation>Enregistrer la scène</translation>
    </message>
    <message>
        <source>Ombrel</source>
        <translation>Ombrel</translation>
    </message>
    <message>
        <source>Save the changes to the untitled scene?</source>
        <translation>Enregistrer les modifications de la scène sans titre ?</translation>
    </message>
    <message>
        <source>Save the changes to “%1”?</source>
        <translation>Enregistrer les modifications de « %1 » ?</translation>
    </message>
    <message>
        <source>Your changes are lost if you don&apos;t save them.</source>
        <translation>Vos modifications seront perdues si vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>Images PNG (*.png);;Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>EditActions</name>
    <message>
        <source>Draw</source>
        <translation>Dessiner</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>Décaler</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;upliquer</translation>
    </message>
    <message>
        <source>Bring to &amp;Front</source>
        <translation>Mettre au &amp;premier plan</translation>
    </message>
    <message>
        <source>Send to &amp;Back</source>
        <translation>Mettre à l’&amp;arrière-plan</translation>
    </message>
    <message>
        <source>&amp;Colour…</source>
        <translation>C&amp;ouleur…</translation>
    </message>
    <message>
        <source>Remove &amp;Image Fill</source>
        <translation>Retirer le remplissage par &amp;image</translation>
    </message>
    <message>
        <source>Draw %1</source>
        <translation>Dessiner : %1</translation>
    </message>
    <message>
        <source>Copied the %1</source>
        <translation>Copié : %1</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>le presse-papiers</translation>
    </message>
    <message>
        <source>The clipboard holds no shapes Ombrel can read</source>
        <translation>Le presse-papiers ne contient aucune forme lisible par Ombrel</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Bring to Front</source>
        <translation>Mettre au premier plan</translation>
    </message>
    <message>
        <source>Send to Back</source>
        <translation>Mettre à l’arrière-plan</translation>
    </message>
    <message>
        <source>Shape Colour</source>
        <translation>Couleur de la forme</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Remove Image Fill</source>
        <translation>Retirer le remplissage par image</translation>
    </message>
    <message>
        <source>%1 Scene</source>
        <translation>Scène %1</translation>
    </message>
    <message>
        <source>%1 (seed %2)</source>
        <translation>%1 (graine %2)</translation>
    </message>
</context>
<context>
    <name>FocalStack</name>
    <message>
        <source>%L1 · focused at y = %L2</source>
        <translation>%L1 · mise au point à y = %L2</translation>
    </message>
    <message>
        <source>Focal stack: the photo at nine focus angles, depth of field %L1</source>
        <translation>Pile de mise au point : la photo à neuf angles de mise au point, profondeur de champ %L1</translation>
    </message>
    <message>
        <source>All in focus and depth per photo pixel, depth of field %L1</source>
        <translation>Tout net et profondeur par pixel photo, profondeur de champ %L1</translation>
    </message>
    <message>
        <source>All in focus: each pixel at its sharpest focus angle</source>
        <translation>Tout net : chaque pixel à son angle de mise au point le plus net</translation>
    </message>
    <message>
        <source>Depth from focus: blue at the lower line to red at the upper, white none</source>
        <translation>Profondeur par la mise au point : bleu à la ligne inférieure jusqu’à rouge à la supérieure, blanc aucune</translation>
    </message>
    <message>
        <source>Depth from the slopes in ray space, in the same colours</source>
        <translation>Profondeur par les pentes dans l’espace des rayons, dans les mêmes couleurs</translation>
    </message>
</context>
<context>
    <name>FocalStackDock</name>
    <message>
        <source>Focal Stack</source>
        <translation>Pile de mise au point</translation>
    </message>
    <message>
        <source>Depth from focus (colours as Show Slopes)</source>
        <translation>Profondeur par la mise au point (couleurs comme Afficher les pentes)</translation>
    </message>
    <message>
        <source>All in focus: each pixel at its sharpest angle</source>
        <translation>Tout net : chaque pixel à son angle le plus net</translation>
    </message>
    <message>
        <source>Local sharpness of the hovered photo pixel against the focus angle, 0° to 90°; the dashed line is the current angle.</source>
        <translation>Netteté locale du pixel photo survolé selon l’angle de mise au point, de 0° à 90° ; la ligne pointillée est l’angle actuel.</translation>
    </message>
    <message>
        <source>Focal Stac&amp;k</source>
        <translation>Pile de mise au poin&amp;t</translation>
    </message>
    <message>
        <source>sharpest at λ = %L1</source>
        <translation>plus net à λ = %L1</translation>
    </message>
    <message>
        <source>alike at every angle</source>
        <translation>identique à tous les angles</translation>
    </message>
    <message>
        <source>Sharpness, photo pixel %L1: %L2</source>
        <translation>Netteté, pixel photo %L1 : %L2</translation>
    </message>
    <message>
        <source>0°</source>
        <translation>0°</translation>
    </message>
    <message>
        <source>90°</source>
        <translation>90°</translation>
    </message>
    <message>
        <source>The focal stack cannot sweep this light field of %1 × %2 pixels.</source>
        <translation>La pile de mise au point ne peut pas balayer ce champ de lumière de %1 × %2 pixels.</translation>
    </message>
    <message>
        <source>Depth from focus (blue: nearest, red: farthest)</source>
        <translation>Profondeur par la mise au point (bleu : le plus proche, rouge : le plus lointain)</translation>
    </message>
    <message>
        <source>sharpest at disparity %L1 px per view</source>
        <translation>plus net à la disparité %L1 px par vue</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>&amp;Quick Guide</source>
        <translation>&amp;Guide rapide</translation>
    </message>
    <message>
        <source>&amp;About Ombrel</source>
        <translation>À &amp;propos d’Ombrel</translation>
    </message>
    <message>
        <source>Ombrel Quick Guide</source>
        <translation>Guide rapide d’Ombrel</translation>
    </message>
    <message>
        <source>About Ombrel</source>
        <translation>À propos d’Ombrel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Ombrel %1&lt;/h3&gt;&lt;p&gt;Light-field photography in two dimensions: arrange shapes between two plane lines, see every ray that crosses them, and take photos focused at any depth.&lt;/p&gt;&lt;p&gt;Licensed under the Apache License, Version 2.0.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Ombrel %1&lt;/h3&gt;&lt;p&gt;La photographie plénoptique en deux dimensions : disposez des formes entre deux lignes de plan, voyez chaque rayon qui les traverse et prenez des photos mises au point à n’importe quelle profondeur.&lt;/p&gt;&lt;p&gt;Sous licence Apache License, Version 2.0.&lt;/p&gt;&lt;p&gt;Compilé avec Qt %2, fonctionne avec Qt %3.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>HighContrast</name>
    <message>
        <source>&amp;High Contrast</source>
        <translation>Contraste éle&amp;vé</translation>
    </message>
    <message>
        <source>Draw the overlays thicker, in dark colours edged in white, so they read on a projector</source>
        <translation>Dessiner les superpositions plus épaisses, en couleurs sombres bordées de blanc, pour qu’elles se lisent sur un projecteur</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>not an image</source>
        <translation>pas une image</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>trop grande</translation>
    </message>
</context>
<context>
    <name>KeyboardAccess</name>
    <message>
        <source>Select &amp;Next Shape</source>
        <translation>Sélectionner la forme sui&amp;vante</translation>
    </message>
    <message>
        <source>Select Pre&amp;vious Shape</source>
        <translation>Sélectionner la forme précé&amp;dente</translation>
    </message>
    <message>
        <source>Draw Shape in the &amp;Middle</source>
        <translation>Dessiner une forme au &amp;milieu</translation>
    </message>
    <message>
        <source>Pick Rectangle, Circle or Triangle first</source>
        <translation>Choisissez d’abord Rectangle, Cercle ou Triangle</translation>
    </message>
    <message>
        <source>Move Cursor Left</source>
        <translation>Déplacer le curseur à gauche</translation>
    </message>
    <message>
        <source>Move Cursor &amp;Right</source>
        <translation>Déplacer le curseur à &amp;droite</translation>
    </message>
    <message>
        <source>Move Cursor &amp;Up</source>
        <translation>Déplacer le curseur vers le &amp;haut</translation>
    </message>
    <message>
        <source>Move Cursor &amp;Down</source>
        <translation>Déplacer le curseur vers le &amp;bas</translation>
    </message>
    <message>
        <source>Click a&amp;t Cursor</source>
        <translation>Cliquer au c&amp;urseur</translation>
    </message>
    <message>
        <source>Click at Cursor focuses from the scene or the photo</source>
        <translation>Cliquer au curseur fait la mise au point depuis la scène ou la photo</translation>
    </message>
</context>
<context>
    <name>LightFieldDocument</name>
    <message>
        <source>Central view</source>
        <translation>Vue centrale</translation>
    </message>
    <message>
        <source>Ray space of the scanline</source>
        <translation>Espace des rayons de la ligne de balayage</translation>
    </message>
    <message>
        <source>Refocused scanline</source>
        <translation>Ligne de balayage remise au point</translation>
    </message>
    <message>
        <source>Open Light Field</source>
        <translation>Ouvrir un champ de lumière</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>The views form a grid. Open which row?</source>
        <translation>Les vues forment une grille. Quelle rangée ouvrir ?</translation>
    </message>
    <message>
        <source>Open &amp;Light Field…</source>
        <translation>Ouvrir un champ de &amp;lumière…</translation>
    </message>
    <message>
        <source>Open a row of camera views (a folder) or one epipolar-plane image</source>
        <translation>Ouvrir une rangée de vues de caméra (un dossier) ou une image du plan épipolaire</translation>
    </message>
    <message>
        <source>&amp;Close Light Field</source>
        <translation>Fe&amp;rmer le champ de lumière</translation>
    </message>
    <message>
        <source>Go back to the scene</source>
        <translation>Revenir à la scène</translation>
    </message>
    <message>
        <source>Opening the light field…</source>
        <translation>Ouverture du champ de lumière…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Opening the light field was cancelled; nothing changed.</source>
        <translation>L’ouverture du champ de lumière a été annulée ; rien n’a changé.</translation>
    </message>
    <message>
        <source>%1 — Light Field — Ombrel</source>
        <translation>%1 — Champ de lumière — Ombrel</translation>
    </message>
    <message>
        <source>Closed the light field; back to the scene.</source>
        <translation>Champ de lumière fermé ; retour à la scène.</translation>
    </message>
    <message>
        <source>The central camera view. Drag the red scanline, or press the up and down arrow keys, to cut the ray space at another row.</source>
        <translation>La vue centrale de la caméra. Faites glisser la ligne de balayage rouge, ou appuyez sur les flèches haut et bas, pour couper l&apos;espace des rayons à une autre rangée.</translation>
    </message>
    <message>
        <source>The ray space of the scanline: one row per camera view (view 0 at the bottom), one column per pixel. A point at one depth is a line.</source>
        <translation>L&apos;espace des rayons de la ligne de balayage : une rangée par vue de caméra (vue 0 en bas), une colonne par pixel. Un point à une profondeur est une droite.</translation>
    </message>
    <message>
        <source>The scanline refocused by shifting and averaging the views. Hover a pixel to see its samples in ray space; click it to focus there.</source>
        <translation>La ligne de balayage remise au point en décalant et en moyennant les vues. Survolez un pixel pour voir ses échantillons dans l&apos;espace des rayons ; cliquez dessus pour y faire la mise au point.</translation>
    </message>
    <message>
        <source>Views or epipolar image (*.png *.jpg *.jpeg *.bmp *.ppm *.tif *.tiff *.webp)</source>
        <translation>Vues ou image épipolaire (*.png *.jpg *.jpeg *.bmp *.ppm *.tif *.tiff *.webp)</translation>
    </message>
    <message>
        <source>no view takes part</source>
        <translation>aucune vue ne participe</translation>
    </message>
    <message>
        <source>Works on the scene: close the light field (File ▸ Close Light Field) to use it. A real light field has no shapes or planes to act on.</source>
        <translation>Agit sur la scène : fermez le champ de lumière (Fichier ▸ Fermer le champ de lumière) pour l’utiliser. Un vrai champ de lumière n’a ni formes ni plans sur lesquels agir.</translation>
    </message>
    <message>
        <source>Drawn from the scene&apos;s optics: close the light field (File ▸ Close Light Field) to use it.</source>
        <translation>Tracé d’après l’optique de la scène : fermez le champ de lumière (Fichier ▸ Fermer le champ de lumière) pour l’utiliser.</translation>
    </message>
    <message>
        <source>%L1° — disparity %2 px per view</source>
        <translation>%L1° — disparité %2 px par vue</translation>
    </message>
    <message>
        <source>Row %L1</source>
        <translation>Rangée %L1</translation>
    </message>
    <message>
        <source>views %L1 to %L2 (%L3 of %L4)</source>
        <translation>vues %L1 à %L2 (%L3 sur %L4)</translation>
    </message>
    <message>
        <source>%L1 of the views %L2 to %L3 (%L4 in all)</source>
        <translation>%L1 des vues %L2 à %L3 (%L4 en tout)</translation>
    </message>
    <message>
        <source>Opened the light field “%1”: %L2 views of %L3 × %L4 pixels.</source>
        <translation>Champ de lumière « %1 » ouvert : %L2 vues de %L3 × %L4 pixels.</translation>
    </message>
    <message>
        <source>Photo pixel %L1: no view sees it; it is white</source>
        <translation>Pixel %L1 de la photo : aucune vue ne le voit ; il est blanc</translation>
    </message>
    <message>
        <source>Photo pixel %L1: the mean of views %L2 to %L3 along disparity %L4 px per view</source>
        <translation>Pixel %L1 de la photo : la moyenne des vues %L2 à %L3 le long de la disparité %L4 px par vue</translation>
    </message>
    <message>
        <source>Photo pixel %L1: the weighted mean of views %L2 to %L3 along disparity %L4 px per view</source>
        <translation>Pixel %L1 de la photo : la moyenne pondérée des vues %L2 à %L3 le long de la disparité %L4 px par vue</translation>
    </message>
    <message>
        <source>Too few views see pixel %L1 to find its depth.</source>
        <translation>Trop peu de vues voient le pixel %L1 pour trouver sa profondeur.</translation>
    </message>
    <message>
        <source>Focused on pixel %L1: its samples fit best at disparity %L2 px per view (%L3°).</source>
        <translation>Mise au point sur le pixel %L1 : ses échantillons s&apos;accordent le mieux à la disparité %L2 px par vue (%L3°).</translation>
    </message>
</context>
<context>
    <name>LightFieldLoader</name>
    <message>
        <source>The folder &quot;%1&quot; holds more than %2 files: a light field has at most %3 rows of %3 views.</source>
        <translation>Le dossier « %1 » contient plus de %2 fichiers : un champ de lumière compte au plus %3 rangées de %3 vues.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no images.</source>
        <translation>Le dossier « %1 » ne contient aucune image.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both name the view at row %3, column %4.</source>
        <translation>« %1 » et « %2 » désignent tous deux la vue de la rangée %3, colonne %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read (%2): was it moved or deleted while opening?</source>
        <translation>« %1 » n’a pas pu être lu (%2) : a-t-il été déplacé ou supprimé pendant l’ouverture ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is cut short: the JPEG file is incomplete.</source>
        <translation>« %1 » est tronqué : le fichier JPEG est incomplet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be decoded: %2.</source>
        <translation>« %1 » n’a pas pu être décodé : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels, the other views %4 x %5: every view must be the same size.</source>
        <translation>« %1 » fait %2 x %3 pixels, les autres vues %4 x %5 : toutes les vues doivent avoir la même taille.</translation>
    </message>
    <message>
        <source>Opening the light field was cancelled.</source>
        <translation>L’ouverture du champ de lumière a été annulée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: was it moved or deleted while opening?</source>
        <translation>« %1 » n’a pas pu être lu : a-t-il été déplacé ou supprimé pendant l’ouverture ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an image Ombrel can read.</source>
        <translation>« %1 » n’est pas une image lisible par Ombrel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels: views may be at most %4 pixels a side.</source>
        <translation>« %1 » fait %2 x %3 pixels : les vues font au plus %4 pixels de côté.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels, &quot;%4&quot; %5 x %6: every view must be the same size.</source>
        <translation>« %1 » fait %2 x %3 pixels, « %4 » %5 x %6 : toutes les vues doivent avoir la même taille.</translation>
    </message>
    <message>
        <source>A light field needs at least two views; there is only one.</source>
        <translation>Un champ de lumière demande au moins deux vues ; il n’y en a qu’une.</translation>
    </message>
    <message>
        <source>A row of %1 views is more than Ombrel opens: at most %2.</source>
        <translation>Une rangée de %1 vues dépasse ce qu’Ombrel ouvre : au plus %2.</translation>
    </message>
    <message>
        <source>%1 views of %2 x %3 pixels need %4 MB, more than the %5 MB Ombrel gives a light field.</source>
        <translation>%1 vues de %2 x %3 pixels demandent %4 Mo, plus que les %5 Mo qu’Ombrel accorde à un champ de lumière.</translation>
    </message>
    <message>
        <source>The folder has no row %1 of views.</source>
        <translation>Le dossier n’a pas de rangée %1 de vues.</translation>
    </message>
    <message>
        <source>The view at row %1, column %2 is missing.</source>
        <translation>La vue de la rangée %1, colonne %2 manque.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>« %1 » n’existe pas.</translation>
    </message>
</context>
<context>
    <name>LightFieldPictures</name>
    <message>
        <source>The central view (row %L1, scanline y %L2)</source>
        <translation>La vue centrale (rangée %L1, ligne de balayage y %L2)</translation>
    </message>
    <message>
        <source>The central view (scanline y %L1)</source>
        <translation>La vue centrale (ligne de balayage y %L1)</translation>
    </message>
    <message>
        <source>x: pixel →</source>
        <translation>x : pixel →</translation>
    </message>
    <message>
        <source>y: pixel row from the top (the scanline in red)</source>
        <translation>y : ligne de pixels depuis le haut (la ligne de balayage en rouge)</translation>
    </message>
    <message>
        <source>Ray space of scanline y %L1: one pixel per ray</source>
        <translation>Espace des rayons de la ligne de balayage y %L1 : un pixel par rayon</translation>
    </message>
    <message>
        <source>pixel →</source>
        <translation>pixel →</translation>
    </message>
    <message>
        <source>view →</source>
        <translation>vue →</translation>
    </message>
    <message>
        <source>The refocused scanline (focus angle %L1°, disparity %2 px per view, %3)</source>
        <translation>La ligne de balayage remise au point (angle de mise au point %L1°, disparité %2 px par vue, %3)</translation>
    </message>
    <message>
        <source>photo pixel →</source>
        <translation>pixel de la photo →</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Ombrel</source>
        <translation>Ombrel</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Scène</translation>
    </message>
    <message>
        <source>The scene.
Pointer: drag a shape to move it, a corner knob to resize it.
Other tools: drag to draw a new shape.
Arrow keys nudge the selection (Shift: 10); Space fills it with an image.</source>
        <translation>La scène.
Pointeur : faites glisser une forme pour la déplacer, une poignée d’angle pour la redimensionner.
Autres outils : faites glisser pour dessiner une nouvelle forme.
Les flèches décalent la sélection (Maj : 10) ; Espace la remplit d’une image.</translation>
    </message>
    <message>
        <source>Ray space</source>
        <translation>Espace des rayons</translation>
    </message>
    <message>
        <source>Ray space: one pixel per ray.
Column u: where it crosses the red upper line.
Row v, from the bottom: where it crosses the black lower line.
Hover to see that ray in the scene.</source>
        <translation>Espace des rayons : un pixel par rayon.
Colonne u : où il croise la ligne supérieure rouge.
Ligne v, depuis le bas : où il croise la ligne inférieure noire.
Survolez pour voir ce rayon dans la scène.</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>The synthetic photo. Hover a pixel to see the bundle of rays it averages.</source>
        <translation>La photo synthétique. Survolez un pixel pour voir le faisceau de rayons dont il fait la moyenne.</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Outil</translation>
    </message>
    <message>
        <source>Pointer</source>
        <translation>Pointeur</translation>
    </message>
    <message>
        <source>Select, move and resize shapes</source>
        <translation>Sélectionner, déplacer et redimensionner des formes</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Drag on the scene to draw a rectangle</source>
        <translation>Faites glisser sur la scène pour dessiner un rectangle</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Drag on the scene to draw an oval</source>
        <translation>Faites glisser sur la scène pour dessiner un ovale</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Drag on the scene to draw a triangle</source>
        <translation>Faites glisser sur la scène pour dessiner un triangle</translation>
    </message>
    <message>
        <source>Focus angle</source>
        <translation>Angle de mise au point</translation>
    </message>
    <message>
        <source>Angle of the sampling segment in ray space: chooses the depth that is sharp</source>
        <translation>Angle du segment d’échantillonnage dans l’espace des rayons : choisit la profondeur nette</translation>
    </message>
    <message>
        <source>Focus readout</source>
        <translation>Indication de mise au point</translation>
    </message>
    <message>
        <source>The focus angle and the depth in focus, from the lower line (0%) to the upper line (100%).
When no height blurs over one photo pixel (px) or less, nothing is sharp: the least blur is given.</source>
        <translation>L’angle de mise au point et la profondeur nette, de la ligne inférieure (0 %) à la ligne supérieure (100 %).
Quand aucune hauteur n’est floue d’un pixel photo (px) ou moins, rien n’est net : le moindre flou est indiqué.</translation>
    </message>
    <message>
        <source>Depth of field</source>
        <translation>Profondeur de champ</translation>
    </message>
    <message>
        <source>Half-length of the sampling segment in samples: the aperture; 0 is a pinhole</source>
        <translation>Demi-longueur du segment d’échantillonnage en échantillons : l’ouverture ; 0 est un sténopé</translation>
    </message>
    <message>
        <source>Depth of field readout</source>
        <translation>Indication de profondeur de champ</translation>
    </message>
    <message>
        <source>Samples taken on each side of a photo pixel&apos;s centre, and the aperture:
how wide, in canvas units, one photo pixel&apos;s rays leave the lower line (2 × samples × sin of the angle).
The red marker has that width, or 2 where it would be narrower.</source>
        <translation>Échantillons pris de chaque côté du centre d’un pixel photo, et l’ouverture :
la largeur, en unités du canevas, sur laquelle les rayons d’un pixel photo quittent la ligne inférieure (2 × échantillons × sinus de l’angle).
Le repère rouge a cette largeur, ou 2 là où il serait plus étroit.</translation>
    </message>
    <message>
        <source>Focus on Selection</source>
        <translation>Mise au point sur la sélection</translation>
    </message>
    <message>
        <source>Turn the focus angle so the selected shape&apos;s centre is sharp</source>
        <translation>Tourner l’angle de mise au point pour que le centre de la forme sélectionnée soit net</translation>
    </message>
    <message>
        <source>Sweep Focus</source>
        <translation>Balayer la mise au point</translation>
    </message>
    <message>
        <source>Sweep the focus angle down to 0°, up to 90° and back; press again to stop</source>
        <translation>Balayer l’angle de mise au point jusqu’à 0°, jusqu’à 90° et retour ; appuyez de nouveau pour arrêter</translation>
    </message>
    <message>
        <source>Render</source>
        <translation>Rendre</translation>
    </message>
    <message>
        <source>Capture the scene again and rebuild the ray space and the photo</source>
        <translation>Capturer de nouveau la scène et reconstruire l’espace des rayons et la photo</translation>
    </message>
    <message>
        <source>Take Photo</source>
        <translation>Prendre la photo</translation>
    </message>
    <message>
        <source>Take the photo again from the current ray space</source>
        <translation>Reprendre la photo à partir de l’espace des rayons actuel</translation>
    </message>
    <message>
        <source>Ray-space axes</source>
        <translation>Axes de l’espace des rayons</translation>
    </message>
    <message>
        <source>Show or hide the axes over the ray space</source>
        <translation>Afficher ou masquer les axes sur l’espace des rayons</translation>
    </message>
    <message>
        <source>Auto render</source>
        <translation>Rendu automatique</translation>
    </message>
    <message>
        <source>Ombrel renders after every edit</source>
        <translation>Ombrel fait un rendu après chaque modification</translation>
    </message>
    <message>
        <source>Auto photo</source>
        <translation>Photo automatique</translation>
    </message>
    <message>
        <source>Ombrel takes a photo after every render and every change of the sliders</source>
        <translation>Ombrel prend une photo après chaque rendu et chaque changement des curseurs</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Focus depth</source>
        <translation>Profondeur de mise au point</translation>
    </message>
    <message>
        <source>Mark on the scene the height in focus and the band that stays sharp</source>
        <translation>Marquer sur la scène la hauteur nette et la bande qui reste nette</translation>
    </message>
    <message>
        <source>Scene and ray-space links</source>
        <translation>Liens scène et espace des rayons</translation>
    </message>
    <message>
        <source>Hover the scene to see a point&apos;s line in ray space, a photo pixel to see its samples, ray space to see where a ray meets the scene</source>
        <translation>Survolez la scène pour voir la droite d’un point dans l’espace des rayons, un pixel photo pour voir ses échantillons, l’espace des rayons pour voir où un rayon rencontre la scène</translation>
    </message>
    <message>
        <source>Debug output</source>
        <translation>Sortie de diagnostic</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Scenes</source>
        <translation>&amp;Scènes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit Ombrel</source>
        <translation>Quitter Ombrel</translation>
    </message>
</context>
<context>
    <name>OpenPanel</name>
    <message>
        <source>Open Image</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.gif *.ppm *.pgm *.xpm *.svg)</source>
        <translation>Images (*.png *.jpg *.jpeg *.bmp *.gif *.ppm *.pgm *.xpm *.svg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>, with title and axes</source>
        <translation>, avec titre et axes</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>Export Focal Stack &amp;Sheet…</source>
        <translation>Exporter la &amp;feuille de la pile de mise au point…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Copier l’ima&amp;ge</translation>
    </message>
    <message>
        <source>Copy the picture last chosen in Export (at first, the scene)</source>
        <translation>Copier l’image choisie en dernier dans Exporter (au début, la scène)</translation>
    </message>
    <message>
        <source>focus angle %L1°, depth of field %L2</source>
        <translation>angle de mise au point %L1°, profondeur de champ %L2</translation>
    </message>
    <message>
        <source>The scene (%L1)</source>
        <translation>La scène (%L1)</translation>
    </message>
    <message>
        <source>x: position along the plane lines →</source>
        <translation>x : position le long des lignes de plan →</translation>
    </message>
    <message>
        <source>y: height (lines at %L1 and %L2) →</source>
        <translation>y : hauteur (lignes à %L1 et %L2) →</translation>
    </message>
    <message>
        <source>Ray space: one pixel per ray</source>
        <translation>Espace des rayons : un pixel par rayon</translation>
    </message>
    <message>
        <source>u: where the ray crosses the upper line →</source>
        <translation>u : où le rayon croise la ligne supérieure →</translation>
    </message>
    <message>
        <source>v: where the ray crosses the lower line →</source>
        <translation>v : où le rayon croise la ligne inférieure →</translation>
    </message>
    <message>
        <source>The photo (%L1)</source>
        <translation>La photo (%L1)</translation>
    </message>
    <message>
        <source>photo pixel: position on the upper line →</source>
        <translation>pixel photo : position sur la ligne supérieure →</translation>
    </message>
    <message>
        <source>Focal stack</source>
        <translation>Pile de mise au point</translation>
    </message>
    <message>
        <source>Could not export “%L1”: only the scene and the focal stack sheet can be drawings; choose a PNG file for %L2. Nothing was written.</source>
        <translation>Impossible d’exporter « %L1 » : seuls la scène et la feuille de la pile de mise au point peuvent être des dessins ; choisissez un fichier PNG pour %L2. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Exported %L1 to “%L2”.</source>
        <translation>%L1 exporté vers « %L2 ».</translation>
    </message>
    <message>
        <source>There is no picture to copy yet.</source>
        <translation>Il n’y a pas encore d’image à copier.</translation>
    </message>
    <message>
        <source>Copied %L1 to the clipboard.</source>
        <translation>%L1 copié dans le presse-papiers.</translation>
    </message>
    <message>
        <source>The focal stack sheet is drawn from the scene&apos;s optics: close the light field (File ▸ Close Light Field) to export it.</source>
        <translation>La feuille de la pile de mise au point est tracée d’après l’optique de la scène : fermez le champ de lumière (Fichier ▸ Fermer le champ de lumière) pour l’exporter.</translation>
    </message>
    <message>
        <source>Could not export “%L1”: %L2 Nothing was written.</source>
        <translation>Impossible d’exporter « %L1 » : %L2 Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Could not export “%L1”: a light field&apos;s views are photographs, not drawings; choose a PNG file. Nothing was written.</source>
        <translation>Impossible d’exporter « %L1 » : les vues d’un champ de lumière sont des photographies, pas des dessins ; choisissez un fichier PNG. Rien n’a été écrit.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>the scene</source>
        <translation>la scène</translation>
    </message>
    <message>
        <source>the ray space</source>
        <translation>l’espace des rayons</translation>
    </message>
    <message>
        <source>the ray space with marks and axes</source>
        <translation>l’espace des rayons avec repères et axes</translation>
    </message>
    <message>
        <source>the photo</source>
        <translation>la photo</translation>
    </message>
    <message>
        <source>the whole window</source>
        <translation>toute la fenêtre</translation>
    </message>
    <message>
        <source>the focal stack sheet</source>
        <translation>la feuille de la pile de mise au point</translation>
    </message>
    <message>
        <source>Could not export “%1”: %2. Nothing was written.</source>
        <translation>Impossible d’exporter « %1 » : %2. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>there is no picture yet</source>
        <translation>il n’y a pas encore d’image</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>un dossier de ce nom est dans le chemin</translation>
    </message>
    <message>
        <source>the central view</source>
        <translation>la vue centrale</translation>
    </message>
    <message>
        <source>Central view</source>
        <translation>Vue centrale</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Scène</translation>
    </message>
    <message>
        <source>Ray space</source>
        <translation>Espace des rayons</translation>
    </message>
    <message>
        <source>Ray space with marks and axes</source>
        <translation>Espace des rayons avec repères et axes</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Whole window</source>
        <translation>Fenêtre entière</translation>
    </message>
    <message>
        <source>Focal stack sheet</source>
        <translation>Feuille de la pile de mise au point</translation>
    </message>
</context>
<context>
    <name>PointSpreadPlot</name>
    <message>
        <source>Point-spread function</source>
        <translation>Fonction d’étalement du point</translation>
    </message>
    <message>
        <source>%L1% up: spot %L2 photo px wide</source>
        <translation>à %L1 % de hauteur : tache de %L2 pixels photo de large</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Ta&amp;ille réelle</translation>
    </message>
    <message>
        <source>&amp;Live Updates</source>
        <translation>&amp;Mises à jour en direct</translation>
    </message>
    <message>
        <source>Render while a shape is dragged, and as soon as a new one is drawn</source>
        <translation>Faire le rendu pendant qu’une forme est déplacée, et dès qu’une nouvelle est dessinée</translation>
    </message>
    <message>
        <source>%1 is the largest zoom that fits this screen</source>
        <translation>%1 est le plus grand zoom qui tient sur cet écran</translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation>Zoom %1</translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation>Présentati&amp;on</translation>
    </message>
    <message>
        <source>Full screen, the views as large as the screen allows; F5 or Escape leaves</source>
        <translation>Plein écran, les vues aussi grandes que l’écran le permet ; F5 ou Échap pour quitter</translation>
    </message>
    <message>
        <source>Leave Presentation</source>
        <translation>Quitter la présentation</translation>
    </message>
    <message>
        <source>Presentation at %1</source>
        <translation>Présentation à %1</translation>
    </message>
</context>
<context>
    <name>RaySpaceAxes</name>
    <message>
        <source>u (upper line) →</source>
        <translation>u (ligne supérieure) →</translation>
    </message>
    <message>
        <source>v (lower line) →</source>
        <translation>v (ligne inférieure) →</translation>
    </message>
    <message>
        <source>v (lower line) ↑</source>
        <translation>v (ligne inférieure) ↑</translation>
    </message>
</context>
<context>
    <name>SceneDocument</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>New Scene</source>
        <translation>Nouvelle scène</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Ouvrir %1</translation>
    </message>
    <message>
        <source>Opened “%1”.</source>
        <translation>« %1 » ouvert.</translation>
    </message>
    <message>
        <source>Untitled.%1</source>
        <translation>Sans titre.%1</translation>
    </message>
    <message>
        <source>Saved “%1”.</source>
        <translation>« %1 » enregistré.</translation>
    </message>
</context>
<context>
    <name>SceneFile</name>
    <message>
        <source>%1 has no %2</source>
        <translation>%1 n’a pas de %2</translation>
    </message>
    <message>
        <source>%1: %2 is not an object</source>
        <translation>%1 : %2 n’est pas un objet</translation>
    </message>
    <message>
        <source>%1: %2 is not a number</source>
        <translation>%1 : %2 n’est pas un nombre</translation>
    </message>
    <message>
        <source>%1: %2 is %3, outside %4 to %5</source>
        <translation>%1 : %2 vaut %3, hors de %4 à %5</translation>
    </message>
    <message>
        <source>, rectangle</source>
        <translation>, rectangle</translation>
    </message>
    <message>
        <source>, colour</source>
        <translation>, couleur</translation>
    </message>
    <message>
        <source>%1: the image is not a text of PNG data</source>
        <translation>%1 : l’image n’est pas un texte de données PNG</translation>
    </message>
    <message>
        <source>%1: the image is not valid base64</source>
        <translation>%1 : l’image n’est pas du base64 valide</translation>
    </message>
    <message>
        <source>%1: the embedded image is not a PNG image</source>
        <translation>%1 : l’image incorporée n’est pas une image PNG</translation>
    </message>
    <message>
        <source>%1: the embedded image is too large (%2 x %3 pixels)</source>
        <translation>%1 : l’image incorporée est trop grande (%2 x %3 pixels)</translation>
    </message>
    <message>
        <source>%1: the embedded image is damaged (%2)</source>
        <translation>%1 : l’image incorporée est endommagée (%2)</translation>
    </message>
    <message>
        <source>shape %1</source>
        <translation>forme %1</translation>
    </message>
    <message>
        <source>%1 is not an object</source>
        <translation>%1 n’est pas un objet</translation>
    </message>
    <message>
        <source>%1: %2 is not a text</source>
        <translation>%1 : %2 n’est pas un texte</translation>
    </message>
    <message>
        <source>%1 has an unknown kind %2</source>
        <translation>%1 a un type inconnu %2</translation>
    </message>
    <message>
        <source>the scene</source>
        <translation>la scène</translation>
    </message>
    <message>
        <source>its format version is not a whole number from 1 up</source>
        <translation>sa version de format n’est pas un nombre entier à partir de 1</translation>
    </message>
    <message>
        <source>it was written by a newer Ombrel (format version %1; this one reads version %2)</source>
        <translation>il a été écrit par un Ombrel plus récent (version de format %1 ; celui-ci lit la version %2)</translation>
    </message>
    <message>
        <source>%1: %2 is not true or false</source>
        <translation>%1 : %2 n’est ni vrai ni faux</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number</source>
        <translation>%1 : %2 n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>the lesson</source>
        <translation>la leçon</translation>
    </message>
    <message>
        <source>%1: %2 is not one of box, tent, gaussian, twoSlits, pinholes</source>
        <translation>%1 : %2 n’est pas l’un de box, tent, gaussian, twoSlits, pinholes</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it is not a scene file (not JSON: %1 at byte %2)</source>
        <translation>ce n’est pas un fichier de scène (pas du JSON : %1 à l’octet %2)</translation>
    </message>
    <message>
        <source>it is JSON but not an Ombrel scene</source>
        <translation>c’est du JSON mais pas une scène Ombrel</translation>
    </message>
    <message>
        <source>its %1 are not a list</source>
        <translation>ses %1 ne sont pas une liste</translation>
    </message>
    <message>
        <source>it holds %1 shapes, more than the %2 Ombrel opens</source>
        <translation>il contient %1 formes, plus que les %2 qu’Ombrel ouvre</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>Impossible d’ouvrir %1 : %2.</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n’existe pas</translation>
    </message>
    <message>
        <source>it is a folder, not a scene file</source>
        <translation>c’est un dossier, pas un fichier de scène</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than any scene file Ombrel opens (%1 MB)</source>
        <translation>il est plus grand que tout fichier de scène qu’Ombrel ouvre (%1 Mo)</translation>
    </message>
    <message>
        <source>Could not save %1: %2. Any earlier file of that name is unchanged.</source>
        <translation>Impossible d’enregistrer %1 : %2. Tout fichier antérieur de ce nom est inchangé.</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>un dossier de ce nom est dans le chemin</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>rectangle</source>
        <comment>in a sentence</comment>
        <translation>rectangle</translation>
    </message>
    <message>
        <source>circle</source>
        <comment>in a sentence</comment>
        <translation>cercle</translation>
    </message>
    <message>
        <source>triangle</source>
        <comment>in a sentence</comment>
        <translation>triangle</translation>
    </message>
</context>
<context>
    <name>SlopeStrip</name>
    <message>
        <source>Depth estimated from the slopes in ray space at each photo pixel; the legend runs from the lower line (0) to the upper line (1).</source>
        <translation>Profondeur estimée d’après les pentes dans l’espace des rayons à chaque pixel photo ; la légende va de la ligne inférieure (0) à la ligne supérieure (1).</translation>
    </message>
    <message>
        <source>λ 0: lower line</source>
        <translation>λ 0 : ligne inférieure</translation>
    </message>
    <message>
        <source>upper line: 1</source>
        <translation>ligne supérieure : 1</translation>
    </message>
</context>
<context>
    <name>SpectrumDock</name>
    <message>
        <source>Spectrum</source>
        <translation>Spectre</translation>
    </message>
    <message>
        <source>log |DFT| of ray space: slice (orange), fan (blue)</source>
        <translation>log |DFT| de l’espace des rayons : coupe (orange), éventail (bleu)</translation>
    </message>
    <message>
        <source>The slice is the line the focus angle selects; the fan lies between the lines of the nearest and farthest shapes.</source>
        <translation>La coupe est la droite que choisit l’angle de mise au point ; l’éventail se situe entre les droites des formes la plus proche et la plus lointaine.</translation>
    </message>
    <message>
        <source>Photo |DFT| (black), slice values (orange)</source>
        <translation>|DFT| de la photo (noir), valeurs de la coupe (orange)</translation>
    </message>
    <message>
        <source>Both on a log scale. They meet for a photo through the whole aperture, the projection the slice stands for.</source>
        <translation>Les deux en échelle logarithmique. Ils coïncident pour une photo à travers toute l’ouverture, la projection que représente la coupe.</translation>
    </message>
    <message>
        <source>Spectru&amp;m</source>
        <translation>Spectr&amp;e</translation>
    </message>
    <message>
        <source>log |DFT| of the epipolar-plane image: slice (orange)</source>
        <translation>log |DFT| de l’image du plan épipolaire : coupe (orange)</translation>
    </message>
    <message>
        <source>The slice is the line the focus angle selects. A real light field&apos;s depths are not known, so no fan is drawn.</source>
        <translation>La coupe est la droite que choisit l’angle de mise au point. Les profondeurs d’un vrai champ de lumière ne sont pas connues : aucun éventail n’est tracé.</translation>
    </message>
    <message>
        <source>Across: cycles along a view&apos;s %1 pixels, %2 to %3. Down: cycles across the %4 views, %5 to %6. Zero frequency at the centre.</source>
        <translation>En travers : cycles le long des %1 pixels d’une vue, de %2 à %3. Vers le bas : cycles à travers les %4 vues, de %5 à %6. Fréquence nulle au centre.</translation>
    </message>
    <message>
        <source>Across: k_u, cycles along the upper line. Down: k_r, cycles along the lower line. Zero frequency at the centre.</source>
        <translation>En travers : k_u, cycles le long de la ligne du haut. Vers le bas : k_r, cycles le long de la ligne du bas. Fréquence nulle au centre.</translation>
    </message>
    <message>
        <source>No light field to transform yet.</source>
        <translation>Pas encore de champ de lumière à transformer.</translation>
    </message>
</context>
<context>
    <name>StatusMessages</name>
    <message>
        <source>Rendered in %1 ms</source>
        <translation>Rendu en %1 ms</translation>
    </message>
    <message>
        <source>Photo taken in %1 ms</source>
        <translation>Photo prise en %1 ms</translation>
    </message>
    <message>
        <source>The ray space and the photo show the scene as it was at the last render</source>
        <translation>L’espace des rayons et la photo montrent la scène telle qu’elle était au dernier rendu</translation>
    </message>
    <message>
        <source>Scene changed: press Render</source>
        <translation>Scène modifiée : appuyez sur Rendre</translation>
    </message>
    <message>
        <source>Could not use “%1” as a fill: %2</source>
        <translation>Impossible d’utiliser « %1 » comme remplissage : %2</translation>
    </message>
</context>
<context>
    <name>TeachingAids</name>
    <message>
        <source>Show &amp;Focus Depth</source>
        <translation>Afficher la profondeur de mise au &amp;point</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>&amp;Link Scene and Ray Space</source>
        <translation>&amp;Lier la scène et l’espace des rayons</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Focus on &amp;Selection</source>
        <translation>Mise au point sur la &amp;sélection</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>S&amp;weep Focus</source>
        <translation>Bala&amp;yer la mise au point</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>%L1°: nothing is sharp (%L2)</source>
        <translation>%L1° : rien n’est net (%L2)</translation>
    </message>
    <message>
        <source>%L1°, a pinhole: every height is sharp</source>
        <translation>%L1°, un sténopé : toute hauteur est nette</translation>
    </message>
    <message>
        <source>%L1°, sharp at %L2% of the way up</source>
        <translation>%L1°, net à %L2 % de la hauteur</translation>
    </message>
    <message>
        <source>blur ≥ %L1 px</source>
        <translation>flou ≥ %L1 px</translation>
    </message>
    <message>
        <source>blur &gt; 1 px</source>
        <translation>flou &gt; 1 px</translation>
    </message>
    <message>
        <source>%L1 · aperture %L2</source>
        <translation>%L1 · ouverture %L2</translation>
    </message>
    <message>
        <source>pinhole</source>
        <translation>sténopé</translation>
    </message>
    <message>
        <source>%L1 each side</source>
        <translation>%L1 de chaque côté</translation>
    </message>
    <message>
        <source>%L1 · aperture %L2, drawn %L3</source>
        <translation>%L1 · ouverture %L2, dessinée %L3</translation>
    </message>
    <message>
        <source>Scene x = %L1, y = %L2</source>
        <translation>Scène x = %L1, y = %L2</translation>
    </message>
    <message>
        <source>%L1: outside the strip between the plane lines</source>
        <translation>%L1 : hors de la bande entre les lignes de plan</translation>
    </message>
    <message>
        <source>more than one photo pixel</source>
        <translation>plus d’un pixel photo</translation>
    </message>
    <message>
        <source>%L1 photo pixels</source>
        <translation>%L1 pixels photo</translation>
    </message>
    <message>
        <source>%L1: %L2 of the way up; a focus angle of %L3° focuses on it, yet it blurs over %L4</source>
        <translation>%L1 : à %L2 de la hauteur ; un angle de mise au point de %L3° fait la mise au point dessus, mais il s’étale sur %L4</translation>
    </message>
    <message>
        <source>%L1: %L2 of the way up; a focus angle of %L3° makes it sharp</source>
        <translation>%L1 : à %L2 de la hauteur ; un angle de mise au point de %L3° le rend net</translation>
    </message>
    <message>
        <source>Ray from u = %L1 on the upper line to v = %L2 on the lower line</source>
        <translation>Rayon de u = %L1 sur la ligne supérieure à v = %L2 sur la ligne inférieure</translation>
    </message>
    <message>
        <source>%L1: white: meets nothing</source>
        <translation>%L1 : blanc : ne rencontre rien</translation>
    </message>
    <message>
        <source>%L1: meets %L2</source>
        <translation>%L1 : rencontre %L2</translation>
    </message>
    <message>
        <source>%L1; %L2</source>
        <translation>%L1 ; %L2</translation>
    </message>
    <message>
        <source>Photo pixel %L1: %L2, the mean of %L3 of its %L4 samples</source>
        <translation>Pixel photo %L1 : %L2, la moyenne de %L3 de ses %L4 échantillons</translation>
    </message>
    <message>
        <source>Photo pixel %L1: %L2, the weighted mean of %L3 of its %L4 samples</source>
        <translation>Pixel photo %L1 : %L2, la moyenne pondérée de %L3 de ses %L4 échantillons</translation>
    </message>
    <message>
        <source>%L1; nothing is sharp (%L2)</source>
        <translation>%L1 ; rien n’est net (%L2)</translation>
    </message>
    <message>
        <source>%L1; a pinhole: every height is sharp</source>
        <translation>%L1 ; un sténopé : toute hauteur est nette</translation>
    </message>
    <message>
        <source>%L1; sharp at y = %L2 (%L3 up)</source>
        <translation>%L1 ; net à y = %L2 (%L3 de hauteur)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln sample(s) each side</source>
        <translation>
            <numerusform>%Ln échantillon de chaque côté</numerusform>
            <numerusform>%Ln échantillons de chaque côté</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lightfieldviews::EpiView</name>
    <message>
        <source>pixel →</source>
        <translation>pixel →</translation>
    </message>
    <message>
        <source>view →</source>
        <translation>vue →</translation>
    </message>
</context>
<context>
    <name>viewaccessibility</name>
    <message>
        <source>rectangle</source>
        <translation>rectangle</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>cercle</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triangle</translation>
    </message>
    <message>
        <source>no colour</source>
        <translation>sans couleur</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>image-filled</source>
        <translation>rempli d’une image</translation>
    </message>
    <message>
        <source>%1 %2, %3 to %4 across, %5% up</source>
        <translation>%2 %1, de %3 à %4 en largeur, à %5 % de la hauteur</translation>
    </message>
    <message>
        <source>Shapes between the plane lines: %1</source>
        <translation>Formes entre les lignes de plan : %1</translation>
    </message>
    <message>
        <source>selected: %1</source>
        <translation>sélection : %1</translation>
    </message>
    <message>
        <source>Nothing rendered yet</source>
        <translation>Rien n’est encore rendu</translation>
    </message>
    <message>
        <source>Every ray between the plane lines, %1 by %2: column u is where a ray crosses the upper line, row v from the bottom where it crosses the lower line</source>
        <translation>Tous les rayons entre les lignes de plan, %1 sur %2 : la colonne u est l’endroit où un rayon croise la ligne du haut, la rangée v, comptée depuis le bas, celui où il croise la ligne du bas</translation>
    </message>
    <message>
        <source>A photo %1 pixels wide taken from the ray space</source>
        <translation>Une photo de %1 pixels de large prise dans l’espace des rayons</translation>
    </message>
    <message>
        <source>At the cursor: the ray from %1 on the upper line to %2 on the lower line, %3</source>
        <translation>Sous le curseur : le rayon de %1 sur la ligne du haut à %2 sur la ligne du bas, %3</translation>
    </message>
    <message>
        <source>At the cursor: pixel %1, %2</source>
        <translation>Sous le curseur : pixel %1, %2</translation>
    </message>
</context>
</TS>
