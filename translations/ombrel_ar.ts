<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>Opened “%1”. Ombrel opens one lesson at a time; not opened: %2.</source>
        <translation>تم فتح «%1». يفتح Ombrel درسًا واحدًا في كل مرة؛ لم يُفتح: %2.</translation>
    </message>
</context>
<context>
    <name>BuiltInScenes</name>
    <message>
        <source>Billboards</source>
        <translation>لوحات إعلانية</translation>
    </message>
    <message>
        <source>Three bars at three depths: each is a band in ray space, its slope set by its depth.</source>
        <translation>ثلاثة أشرطة على ثلاثة أعماق: كل منها حزمة في فضاء الأشعة، يحدد عمقُه ميلَها.</translation>
    </message>
    <message>
        <source>Two Dots</source>
        <translation>نقطتان</translation>
    </message>
    <message>
        <source>Dots at a quarter and three quarters of the way up: two lines of different slopes in ray space.</source>
        <translation>نقطتان على ربع الارتفاع وثلاثة أرباعه: خطان مختلفا الميل في فضاء الأشعة.</translation>
    </message>
    <message>
        <source>Occluder</source>
        <translation>حاجب</translation>
    </message>
    <message>
        <source>A bar in front of a wider wall: where both lie on a ray, ray space shows the one nearer the lower line.</source>
        <translation>شريط أمام جدار أعرض: حيث يقع كلاهما على شعاع واحد، يُظهر فضاء الأشعة الأقرب إلى الخط السفلي.</translation>
    </message>
    <message>
        <source>Picket Fence</source>
        <translation>سياج</translation>
    </message>
    <message>
        <source>Bars at one depth: sharp stripes in the photo only when the focus reaches their depth.</source>
        <translation>أشرطة على عمق واحد: خطوط حادة في الصورة فقط حين يبلغ التركيز عمقها.</translation>
    </message>
    <message>
        <source>Depth Ladder</source>
        <translation>سُلّم الأعماق</translation>
    </message>
    <message>
        <source>Five bars at evenly spaced heights: sweep the focus to bring each into focus in turn.</source>
        <translation>خمسة أشرطة على ارتفاعات متساوية التباعد: مرّر التركيز لتوضيح كل منها بدوره.</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>فارغ</translation>
    </message>
    <message>
        <source>An empty scene: white rays and a white photo, ready for shapes of your own.</source>
        <translation>مشهد فارغ: أشعة بيضاء وصورة بيضاء، جاهز لأشكالك الخاصة.</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>عشوائي</translation>
    </message>
    <message>
        <source>Shapes of random kinds, places and colours: guess their depths from ray space.</source>
        <translation>أشكال عشوائية الأنواع والمواضع والألوان: خمّن أعماقها من فضاء الأشعة.</translation>
    </message>
</context>
<context>
    <name>CameraPanel</name>
    <message>
        <source>Camera</source>
        <translation>الكاميرا</translation>
    </message>
    <message>
        <source>Viewpoint</source>
        <translation>نقطة النظر</translation>
    </message>
    <message>
        <source>Where the aperture&apos;s centre sits on the lower line: moving it gives parallax</source>
        <translation>موضع مركز الفتحة على الخط السفلي: تحريكه يُحدث اختلاف المنظر</translation>
    </message>
    <message>
        <source>Viewpoint:</source>
        <translation>نقطة النظر:</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>صندوق</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>خيمة</translation>
    </message>
    <message>
        <source>Gaussian</source>
        <translation>غاوسي</translation>
    </message>
    <message>
        <source>Two slits</source>
        <translation>شقّان</translation>
    </message>
    <message>
        <source>K pinholes</source>
        <translation>K ثقوب</translation>
    </message>
    <message>
        <source>How the aperture weighs its samples: the blur takes its shape</source>
        <translation>كيف تزن الفتحة عيّناتها: يتخذ التمويه شكلها</translation>
    </message>
    <message>
        <source>Aperture:</source>
        <translation>الفتحة:</translation>
    </message>
    <message>
        <source>How many pinholes spread over the aperture: a camera array</source>
        <translation>عدد الثقوب الموزعة على الفتحة: مصفوفة كاميرات</translation>
    </message>
    <message>
        <source>Pinholes K:</source>
        <translation>الثقوب K:</translation>
    </message>
    <message>
        <source>Keep aperture width</source>
        <translation>ثبّت عرض الفتحة</translation>
    </message>
    <message>
        <source>The depth-of-field slider sets the aperture&apos;s width on the lower line, so refocusing keeps the aperture, as a real camera does</source>
        <translation>يضبط منزلق عمق الميدان عرض الفتحة على الخط السفلي، فتبقى الفتحة عند إعادة التركيز كما في كاميرا حقيقية</translation>
    </message>
    <message>
        <source>&amp;Camera</source>
        <translation>الكا&amp;ميرا</translation>
    </message>
    <message>
        <source>A pinhole photo is one row of ray space.</source>
        <translation>صورة الثقب صفّ واحد من فضاء الأشعة.</translation>
    </message>
    <message>
        <source>Aperture %L1 wide on the lower line: d = %L2 samples at %L3°</source>
        <translation>فتحة بعرض %L1 على الخط السفلي: d = %L2 عيّنة عند %L3°</translation>
    </message>
    <message>
        <source>Capped at d = %L1 (the image&apos;s width): near 0° the width would need ever more samples</source>
        <translation>محدود عند d = %L1 (عرض الصورة): قرب 0° يحتاج العرض إلى عيّنات أكثر فأكثر</translation>
    </message>
    <message>
        <source>The photo is ray-space row %L1 from the bottom (highlighted).</source>
        <translation>الصورة هي الصف %L1 من فضاء الأشعة من الأسفل (مُبرَز).</translation>
    </message>
    <message>
        <source>p = %L1, the centre</source>
        <translation>p = %L1، المركز</translation>
    </message>
    <message>
        <source>p = %L1, %L2 left of the centre</source>
        <translation>p = %L1، %L2 يسار المركز</translation>
    </message>
    <message>
        <source>p = %L1, %L2 right of the centre</source>
        <translation>p = %L1، %L2 يمين المركز</translation>
    </message>
    <message>
        <source>Render to place the camera</source>
        <translation>اعرض لوضع الكاميرا</translation>
    </message>
    <message>
        <source>black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>white</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>رمادي</translation>
    </message>
    <message>
        <source>red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>سماوي</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>بنفسجي</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>أرجواني</translation>
    </message>
    <message>
        <source>Photo pixel %L1 takes no sample</source>
        <translation>بكسل الصورة %L1 لا يأخذ أي عيّنة</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>شريط</translation>
    </message>
    <message>
        <source>the %L1 %L2</source>
        <translation>%L2 (%L1)</translation>
    </message>
    <message>
        <source>something %L1</source>
        <translation>شيئًا (%L1)</translation>
    </message>
    <message>
        <source>%L1 (%L2%)</source>
        <translation>%L1 (%L2٪)</translation>
    </message>
    <message>
        <source>Photo pixel %L1 sees %L2 through %L3% of the aperture</source>
        <translation>بكسل الصورة %L1 يرى %L2 عبر %L3٪ من الفتحة</translation>
    </message>
    <message>
        <source>, the rest meets %L1</source>
        <translation>، والباقي يلتقي %L1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> و</translation>
    </message>
    <message>
        <source>At %L1% up, moving the viewpoint 1 right moves the image %L2 photo px left</source>
        <translation>عند %L1٪ من الارتفاع، تحريك نقطة النظر 1 إلى اليمين يحرّك الصورة %L2 بكسل صورة إلى اليسار</translation>
    </message>
    <message>
        <source>A row of views counts its aperture in views, which refocusing does not change: the depth-of-field slider sets how many</source>
        <translation>صفّ المناظر يَعُدّ فتحته بالمناظر، ولا تغيّرها إعادة التركيز: منزلق عمق الميدان يحدّد عددها</translation>
    </message>
    <message>
        <source>The viewpoint is the view read unshifted; the profile weighs the views around it, as many on each side as the depth of field says. The point-spread plot needs the scene&apos;s depths, which real views do not give.</source>
        <translation>نقطة النظر هي المنظر الذي يُقرأ دون إزاحة؛ ويَزِن المقطع المناظرَ حوله، على كل جانب بقدر ما يقول عمق الميدان. ومخطط انتشار النقطة يحتاج إلى أعماق المشهد، وهي ما لا تعطيه المناظر الحقيقية.</translation>
    </message>
</context>
<context>
    <name>DepthSlopes</name>
    <message>
        <source>Show Slop&amp;es</source>
        <translation>إظهار المي&amp;ول</translation>
    </message>
    <message>
        <source>slopes give λ = %L1</source>
        <translation>الميول تعطي λ = %L1</translation>
    </message>
    <message>
        <source>slopes give no confident λ</source>
        <translation>الميول لا تعطي λ موثوقًا</translation>
    </message>
    <message>
        <source>, true λ = %L1</source>
        <translation>، λ الحقيقي = %L1</translation>
    </message>
    <message>
        <source>Show Slopes cannot read this light field here.</source>
        <translation>لا يستطيع «إظهار الميول» قراءة حقل الضوء هذا هنا.</translation>
    </message>
    <message>
        <source>Show Slopes needs at least 3 views to read slopes; this light field has %1.</source>
        <translation>يحتاج «إظهار الميول» إلى 3 مناظر على الأقل لقراءة الميول؛ ولحقل الضوء هذا %1.</translation>
    </message>
    <message>
        <source>Show Slopes reads only a square ray space, not %1 × %2 pixels.</source>
        <translation>يقرأ «إظهار الميول» فضاء أشعة مربعًا فقط، لا %1 × %2 بكسل.</translation>
    </message>
    <message>
        <source>disparity %L1</source>
        <translation>التفاوت %L1</translation>
    </message>
    <message>
        <source>%L1 px per view</source>
        <translation>%L1 بكسل لكل منظر</translation>
    </message>
    <message>
        <source>slopes give disparity %L1 px per view</source>
        <translation>الميول تعطي تفاوتًا قدره %L1 بكسل لكل منظر</translation>
    </message>
    <message>
        <source>slopes give no confident disparity</source>
        <translation>الميول لا تعطي تفاوتًا موثوقًا</translation>
    </message>
</context>
<context>
    <name>DocumentDialogs</name>
    <message>
        <source>Export Picture</source>
        <translation>تصدير صورة</translation>
    </message>
    <message>
        <source>Add a &amp;title, the axes&apos; names and the focus line</source>
        <translation>أضف &amp;عنوانًا وأسماء المحاور وخط التركيز</translation>
    </message>
    <message>
        <source>Around the scene, the ray space or the photo: a title with the optics and the names of the axes; on the scene also the focus line and sharp band when View ▸ Show Focus Depth is on</source>
        <translation>حول المشهد أو فضاء الأشعة أو الصورة: عنوان بالبصريات وأسماء المحاور؛ وعلى المشهد أيضًا خط التركيز والحزمة الحادة حين يكون عرض ▸ إظهار عمق التركيز مفعّلًا</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>حفظ…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>الصورة:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>الحجم:</translation>
    </message>
    <message>
        <source>Open Scene</source>
        <translation>فتح مشهد</translation>
    </message>
    <message>
        <source>Ombrel scenes (*.ombrel)</source>
        <translation>مشاهد Ombrel (*.ombrel)</translation>
    </message>
    <message>
        <source>Save Scene</source>
        <translation>حفظ المشهد</translation>
    </message>
    <message>
        <source>Ombrel</source>
        <translation>Ombrel</translation>
    </message>
    <message>
        <source>Save the changes to the untitled scene?</source>
        <translation>هل تريد حفظ التغييرات على المشهد غير المسمّى؟</translation>
    </message>
    <message>
        <source>Save the changes to “%1”?</source>
        <translation>هل تريد حفظ التغييرات على «%1»؟</translation>
    </message>
    <message>
        <source>Your changes are lost if you don&apos;t save them.</source>
        <translation>ستضيع تغييراتك إن لم تحفظها.</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>صور PNG (*.png);;رسوم SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>صور PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>EditActions</name>
    <message>
        <source>Draw</source>
        <translation>رسم</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>نقل</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>تغيير الحجم</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>إزاحة</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>تعبئة</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ل&amp;صق</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>ت&amp;كرار</translation>
    </message>
    <message>
        <source>Bring to &amp;Front</source>
        <translation>إحضار إلى ال&amp;مقدمة</translation>
    </message>
    <message>
        <source>Send to &amp;Back</source>
        <translation>إرسال إلى ال&amp;خلف</translation>
    </message>
    <message>
        <source>&amp;Colour…</source>
        <translation>ال&amp;لون…</translation>
    </message>
    <message>
        <source>Remove &amp;Image Fill</source>
        <translation>إزالة ت&amp;عبئة الصورة</translation>
    </message>
    <message>
        <source>Draw %1</source>
        <translation>رسم %1</translation>
    </message>
    <message>
        <source>Copied the %1</source>
        <translation>تم نسخ %1</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>الحافظة</translation>
    </message>
    <message>
        <source>The clipboard holds no shapes Ombrel can read</source>
        <translation>لا تحوي الحافظة أشكالًا يستطيع Ombrel قراءتها</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>تكرار</translation>
    </message>
    <message>
        <source>Bring to Front</source>
        <translation>إحضار إلى المقدمة</translation>
    </message>
    <message>
        <source>Send to Back</source>
        <translation>إرسال إلى الخلف</translation>
    </message>
    <message>
        <source>Shape Colour</source>
        <translation>لون الشكل</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Remove Image Fill</source>
        <translation>إزالة تعبئة الصورة</translation>
    </message>
    <message>
        <source>%1 Scene</source>
        <translation>مشهد %1</translation>
    </message>
    <message>
        <source>%1 (seed %2)</source>
        <translation>%1 (البذرة %2)</translation>
    </message>
</context>
<context>
    <name>FocalStack</name>
    <message>
        <source>%L1 · focused at y = %L2</source>
        <translation>%L1 · التركيز عند y = %L2</translation>
    </message>
    <message>
        <source>Focal stack: the photo at nine focus angles, depth of field %L1</source>
        <translation>مكدّس التركيز: الصورة عند تسع زوايا تركيز، عمق الميدان %L1</translation>
    </message>
    <message>
        <source>All in focus and depth per photo pixel, depth of field %L1</source>
        <translation>الكل حاد والعمق لكل بكسل صورة، عمق الميدان %L1</translation>
    </message>
    <message>
        <source>All in focus: each pixel at its sharpest focus angle</source>
        <translation>الكل حاد: كل بكسل عند أحدّ زاوية تركيز له</translation>
    </message>
    <message>
        <source>Depth from focus: blue at the lower line to red at the upper, white none</source>
        <translation>العمق من التركيز: أزرق عند الخط السفلي إلى أحمر عند العلوي، والأبيض لا شيء</translation>
    </message>
    <message>
        <source>Depth from the slopes in ray space, in the same colours</source>
        <translation>العمق من الميول في فضاء الأشعة، بالألوان نفسها</translation>
    </message>
</context>
<context>
    <name>FocalStackDock</name>
    <message>
        <source>Focal Stack</source>
        <translation>مكدّس التركيز</translation>
    </message>
    <message>
        <source>Depth from focus (colours as Show Slopes)</source>
        <translation>العمق من التركيز (الألوان كما في إظهار الميول)</translation>
    </message>
    <message>
        <source>All in focus: each pixel at its sharpest angle</source>
        <translation>الكل حاد: كل بكسل عند أحدّ زاوية له</translation>
    </message>
    <message>
        <source>Local sharpness of the hovered photo pixel against the focus angle, 0° to 90°; the dashed line is the current angle.</source>
        <translation>الحدّة المحلية لبكسل الصورة تحت المؤشر مقابل زاوية التركيز، من 0° إلى 90°؛ الخط المتقطع هو الزاوية الحالية.</translation>
    </message>
    <message>
        <source>Focal Stac&amp;k</source>
        <translation>مكدّس التركي&amp;ز</translation>
    </message>
    <message>
        <source>sharpest at λ = %L1</source>
        <translation>الأحدّ عند λ = %L1</translation>
    </message>
    <message>
        <source>alike at every angle</source>
        <translation>متماثل عند كل زاوية</translation>
    </message>
    <message>
        <source>Sharpness, photo pixel %L1: %L2</source>
        <translation>الحدّة، بكسل الصورة %L1: %L2</translation>
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
        <translation>لا يستطيع مكدّس التركيز مسح حقل الضوء هذا ذي %1 × %2 بكسل.</translation>
    </message>
    <message>
        <source>Depth from focus (blue: nearest, red: farthest)</source>
        <translation>العمق من التركيز (الأزرق: الأقرب، الأحمر: الأبعد)</translation>
    </message>
    <message>
        <source>sharpest at disparity %L1 px per view</source>
        <translation>الأحدّ عند تفاوت %L1 بكسل لكل منظر</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>&amp;Quick Guide</source>
        <translation>ال&amp;دليل السريع</translation>
    </message>
    <message>
        <source>&amp;About Ombrel</source>
        <translation>&amp;حول Ombrel</translation>
    </message>
    <message>
        <source>Ombrel Quick Guide</source>
        <translation>دليل Ombrel السريع</translation>
    </message>
    <message>
        <source>About Ombrel</source>
        <translation>حول Ombrel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Ombrel %1&lt;/h3&gt;&lt;p&gt;Light-field photography in two dimensions: arrange shapes between two plane lines, see every ray that crosses them, and take photos focused at any depth.&lt;/p&gt;&lt;p&gt;Licensed under the Apache License, Version 2.0.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Ombrel %1&lt;/h3&gt;&lt;p&gt;تصوير حقل الضوء في بعدين: رتّب أشكالًا بين خطَّي مستوى، وشاهد كل شعاع يعبرهما، والتقط صورًا مركّزة على أي عمق.&lt;/p&gt;&lt;p&gt;مرخّص بموجب Apache License, Version 2.0.&lt;/p&gt;&lt;p&gt;بُني باستخدام Qt %2، ويعمل على Qt %3.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>HighContrast</name>
    <message>
        <source>&amp;High Contrast</source>
        <translation>ت&amp;باين عالٍ</translation>
    </message>
    <message>
        <source>Draw the overlays thicker, in dark colours edged in white, so they read on a projector</source>
        <translation>ارسم الطبقات المتراكبة أعرض، بألوان داكنة محاطة بالأبيض، لتُقرأ على جهاز العرض</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>cannot be read</source>
        <translation>تتعذر قراءته</translation>
    </message>
    <message>
        <source>not an image</source>
        <translation>ليس صورة</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>كبير جدًا</translation>
    </message>
</context>
<context>
    <name>KeyboardAccess</name>
    <message>
        <source>Select &amp;Next Shape</source>
        <translation>تحديد الشكل ال&amp;تالي</translation>
    </message>
    <message>
        <source>Select Pre&amp;vious Shape</source>
        <translation>تحديد الشكل ال&amp;سابق</translation>
    </message>
    <message>
        <source>Draw Shape in the &amp;Middle</source>
        <translation>رسم &amp;شكل في المنتصف</translation>
    </message>
    <message>
        <source>Pick Rectangle, Circle or Triangle first</source>
        <translation>اختر مستطيلًا أو دائرة أو مثلثًا أولًا</translation>
    </message>
    <message>
        <source>Move Cursor Left</source>
        <translation>تحريك المؤشر يسارًا</translation>
    </message>
    <message>
        <source>Move Cursor &amp;Right</source>
        <translation>تحريك المؤشر &amp;يمينًا</translation>
    </message>
    <message>
        <source>Move Cursor &amp;Up</source>
        <translation>تحريك المؤشر &amp;لأعلى</translation>
    </message>
    <message>
        <source>Move Cursor &amp;Down</source>
        <translation>تحريك المؤشر لأس&amp;فل</translation>
    </message>
    <message>
        <source>Click a&amp;t Cursor</source>
        <translation>&amp;نقر عند المؤشر</translation>
    </message>
    <message>
        <source>Click at Cursor focuses from the scene or the photo</source>
        <translation>«نقر عند المؤشر» يركّز انطلاقًا من المشهد أو الصورة</translation>
    </message>
</context>
<context>
    <name>LightFieldDocument</name>
    <message>
        <source>Central view</source>
        <translation>المنظر المركزي</translation>
    </message>
    <message>
        <source>Ray space of the scanline</source>
        <translation>فضاء أشعة خط المسح</translation>
    </message>
    <message>
        <source>Refocused scanline</source>
        <translation>خط المسح بعد إعادة التركيز</translation>
    </message>
    <message>
        <source>Open Light Field</source>
        <translation>فتح حقل ضوء</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>The views form a grid. Open which row?</source>
        <translation>تشكّل المناظر شبكة. أي صف يُفتح؟</translation>
    </message>
    <message>
        <source>Open &amp;Light Field…</source>
        <translation>فتح حقل &amp;ضوء…</translation>
    </message>
    <message>
        <source>Open a row of camera views (a folder) or one epipolar-plane image</source>
        <translation>فتح صف من مناظر الكاميرا (مجلد) أو صورة مستوى إبيبولاري واحدة</translation>
    </message>
    <message>
        <source>&amp;Close Light Field</source>
        <translation>إ&amp;غلاق حقل الضوء</translation>
    </message>
    <message>
        <source>Go back to the scene</source>
        <translation>العودة إلى المشهد</translation>
    </message>
    <message>
        <source>Opening the light field…</source>
        <translation>جارٍ فتح حقل الضوء…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Opening the light field was cancelled; nothing changed.</source>
        <translation>أُلغي فتح حقل الضوء؛ لم يتغير شيء.</translation>
    </message>
    <message>
        <source>%1 — Light Field — Ombrel</source>
        <translation>%1 — حقل ضوء — Ombrel</translation>
    </message>
    <message>
        <source>Closed the light field; back to the scene.</source>
        <translation>أُغلق حقل الضوء؛ عودة إلى المشهد.</translation>
    </message>
    <message>
        <source>The central camera view. Drag the red scanline, or press the up and down arrow keys, to cut the ray space at another row.</source>
        <translation>منظر الكاميرا المركزي. اسحب خط المسح الأحمر، أو اضغط مفتاحي السهم لأعلى ولأسفل، لقطع فضاء الأشعة عند صف آخر.</translation>
    </message>
    <message>
        <source>The ray space of the scanline: one row per camera view (view 0 at the bottom), one column per pixel. A point at one depth is a line.</source>
        <translation>فضاء أشعة خط المسح: صف لكل منظر كاميرا (المنظر 0 في الأسفل)، وعمود لكل بكسل. النقطة عند عمق واحد خط مستقيم.</translation>
    </message>
    <message>
        <source>The scanline refocused by shifting and averaging the views. Hover a pixel to see its samples in ray space; click it to focus there.</source>
        <translation>خط المسح بعد إعادة التركيز بإزاحة المناظر وأخذ متوسطها. مرّر فوق بكسل لترى عيّناته في فضاء الأشعة؛ وانقر عليه للتركيز هناك.</translation>
    </message>
    <message>
        <source>Views or epipolar image (*.png *.jpg *.jpeg *.bmp *.ppm *.tif *.tiff *.webp)</source>
        <translation>مناظر أو صورة إبيبولارية (*.png *.jpg *.jpeg *.bmp *.ppm *.tif *.tiff *.webp)</translation>
    </message>
    <message>
        <source>no view takes part</source>
        <translation>لا يشارك أي منظر</translation>
    </message>
    <message>
        <source>Works on the scene: close the light field (File ▸ Close Light Field) to use it. A real light field has no shapes or planes to act on.</source>
        <translation>يعمل على المشهد: أغلق حقل الضوء (ملف ▸ إغلاق حقل الضوء) لاستخدامه. ليس لحقل الضوء الحقيقي أشكال أو مستويات يعمل عليها.</translation>
    </message>
    <message>
        <source>Drawn from the scene&apos;s optics: close the light field (File ▸ Close Light Field) to use it.</source>
        <translation>مرسوم من بصريات المشهد: أغلق حقل الضوء (ملف ▸ إغلاق حقل الضوء) لاستخدامه.</translation>
    </message>
    <message>
        <source>%L1° — disparity %2 px per view</source>
        <translation>%L1° — تفاوت %2 بكسل لكل منظر</translation>
    </message>
    <message>
        <source>Row %L1</source>
        <translation>الصف %L1</translation>
    </message>
    <message>
        <source>views %L1 to %L2 (%L3 of %L4)</source>
        <translation>المناظر %L1 إلى %L2 (%L3 من %L4)</translation>
    </message>
    <message>
        <source>%L1 of the views %L2 to %L3 (%L4 in all)</source>
        <translation>%L1 من المناظر %L2 إلى %L3 (%L4 في المجموع)</translation>
    </message>
    <message>
        <source>Opened the light field “%1”: %L2 views of %L3 × %L4 pixels.</source>
        <translation>فُتح حقل الضوء «%1»: %L2 منظرًا بحجم %L3 × %L4 بكسل.</translation>
    </message>
    <message>
        <source>Photo pixel %L1: no view sees it; it is white</source>
        <translation>بكسل الصورة %L1: لا يراه أي منظر؛ فهو أبيض</translation>
    </message>
    <message>
        <source>Photo pixel %L1: the mean of views %L2 to %L3 along disparity %L4 px per view</source>
        <translation>بكسل الصورة %L1: متوسط المناظر من %L2 إلى %L3 على امتداد تفاوت %L4 بكسل لكل منظر</translation>
    </message>
    <message>
        <source>Photo pixel %L1: the weighted mean of views %L2 to %L3 along disparity %L4 px per view</source>
        <translation>بكسل الصورة %L1: المتوسط الموزون للمناظر من %L2 إلى %L3 على امتداد تفاوت %L4 بكسل لكل منظر</translation>
    </message>
    <message>
        <source>Too few views see pixel %L1 to find its depth.</source>
        <translation>عدد المناظر التي ترى البكسل %L1 أقل من أن يُعرف عمقه.</translation>
    </message>
    <message>
        <source>Focused on pixel %L1: its samples fit best at disparity %L2 px per view (%L3°).</source>
        <translation>تم التركيز على البكسل %L1: تتوافق عيّناته أفضل ما يكون مع تفاوت %L2 بكسل لكل منظر (%L3°).</translation>
    </message>
</context>
<context>
    <name>LightFieldLoader</name>
    <message>
        <source>The folder &quot;%1&quot; holds more than %2 files: a light field has at most %3 rows of %3 views.</source>
        <translation>يحوي المجلد «%1» أكثر من %2 ملف: حقل الضوء فيه %3 صفًا على الأكثر من %3 منظرًا.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no images.</source>
        <translation>لا يحوي المجلد «%1» أي صور.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both name the view at row %3, column %4.</source>
        <translation>«%1» و«%2» يسمّيان كلاهما المنظر في الصف %3، العمود %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read (%2): was it moved or deleted while opening?</source>
        <translation>تعذرت قراءة «%1» (%2): هل نُقل أو حُذف أثناء الفتح؟</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is cut short: the JPEG file is incomplete.</source>
        <translation>«%1» مبتور: ملف JPEG غير مكتمل.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be decoded: %2.</source>
        <translation>تعذر فك ترميز «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels, the other views %4 x %5: every view must be the same size.</source>
        <translation>«%1» بحجم %2 x %3 بكسل، والمناظر الأخرى %4 x %5: يجب أن تكون كل المناظر بالحجم نفسه.</translation>
    </message>
    <message>
        <source>Opening the light field was cancelled.</source>
        <translation>أُلغي فتح حقل الضوء.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: was it moved or deleted while opening?</source>
        <translation>تعذرت قراءة «%1»: هل نُقل أو حُذف أثناء الفتح؟</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an image Ombrel can read.</source>
        <translation>«%1» ليس صورة يستطيع Ombrel قراءتها.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels: views may be at most %4 pixels a side.</source>
        <translation>«%1» بحجم %2 x %3 بكسل: يجب ألا يتجاوز ضلع المنظر %4 بكسل.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels, &quot;%4&quot; %5 x %6: every view must be the same size.</source>
        <translation>«%1» بحجم %2 x %3 بكسل، و«%4» بحجم %5 x %6: يجب أن تكون كل المناظر بالحجم نفسه.</translation>
    </message>
    <message>
        <source>A light field needs at least two views; there is only one.</source>
        <translation>يحتاج حقل الضوء إلى منظرين على الأقل؛ لا يوجد إلا منظر واحد.</translation>
    </message>
    <message>
        <source>A row of %1 views is more than Ombrel opens: at most %2.</source>
        <translation>صف من %1 منظرًا أكثر مما يفتحه Ombrel: %2 على الأكثر.</translation>
    </message>
    <message>
        <source>%1 views of %2 x %3 pixels need %4 MB, more than the %5 MB Ombrel gives a light field.</source>
        <translation>%1 منظرًا بحجم %2 x %3 بكسل تحتاج %4 ميغابايت، أكثر من %5 ميغابايت التي يخصصها Ombrel لحقل الضوء.</translation>
    </message>
    <message>
        <source>The folder has no row %1 of views.</source>
        <translation>لا يحوي المجلد الصف %1 من المناظر.</translation>
    </message>
    <message>
        <source>The view at row %1, column %2 is missing.</source>
        <translation>المنظر في الصف %1، العمود %2 مفقود.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>«%1» غير موجود.</translation>
    </message>
</context>
<context>
    <name>LightFieldPictures</name>
    <message>
        <source>The central view (row %L1, scanline y %L2)</source>
        <translation>المنظر المركزي (الصف %L1، خط المسح y %L2)</translation>
    </message>
    <message>
        <source>The central view (scanline y %L1)</source>
        <translation>المنظر المركزي (خط المسح y %L1)</translation>
    </message>
    <message>
        <source>x: pixel →</source>
        <translation>x: البكسل →</translation>
    </message>
    <message>
        <source>y: pixel row from the top (the scanline in red)</source>
        <translation>y: صف البكسلات من الأعلى (خط المسح بالأحمر)</translation>
    </message>
    <message>
        <source>Ray space of scanline y %L1: one pixel per ray</source>
        <translation>فضاء أشعة خط المسح y %L1: بكسل لكل شعاع</translation>
    </message>
    <message>
        <source>pixel →</source>
        <translation>بكسل →</translation>
    </message>
    <message>
        <source>view →</source>
        <translation>منظر →</translation>
    </message>
    <message>
        <source>The refocused scanline (focus angle %L1°, disparity %2 px per view, %3)</source>
        <translation>خط المسح بعد إعادة التركيز (زاوية التركيز %L1°، تفاوت %2 بكسل لكل منظر، %3)</translation>
    </message>
    <message>
        <source>photo pixel →</source>
        <translation>بكسل الصورة →</translation>
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
        <translation>المشهد</translation>
    </message>
    <message>
        <source>The scene.
Pointer: drag a shape to move it, a corner knob to resize it.
Other tools: drag to draw a new shape.
Arrow keys nudge the selection (Shift: 10); Space fills it with an image.</source>
        <translation>المشهد.
المؤشر: اسحب شكلًا لنقله، ومقبض زاوية لتغيير حجمه.
الأدوات الأخرى: اسحب لرسم شكل جديد.
مفاتيح الأسهم تزيح التحديد (Shift: 10)؛ والمسافة تملؤه بصورة.</translation>
    </message>
    <message>
        <source>Ray space</source>
        <translation>فضاء الأشعة</translation>
    </message>
    <message>
        <source>Ray space: one pixel per ray.
Column u: where it crosses the red upper line.
Row v, from the bottom: where it crosses the black lower line.
Hover to see that ray in the scene.</source>
        <translation>فضاء الأشعة: بكسل لكل شعاع.
العمود u: حيث يعبر الخط العلوي الأحمر.
الصف v، من الأسفل: حيث يعبر الخط السفلي الأسود.
مرّر المؤشر لرؤية ذلك الشعاع في المشهد.</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>The synthetic photo. Hover a pixel to see the bundle of rays it averages.</source>
        <translation>الصورة الاصطناعية. مرّر المؤشر فوق بكسل لرؤية حزمة الأشعة التي يأخذ متوسطها.</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>الأداة</translation>
    </message>
    <message>
        <source>Pointer</source>
        <translation>المؤشر</translation>
    </message>
    <message>
        <source>Select, move and resize shapes</source>
        <translation>حدّد الأشكال وانقلها وغيّر حجمها</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>مستطيل</translation>
    </message>
    <message>
        <source>Drag on the scene to draw a rectangle</source>
        <translation>اسحب على المشهد لرسم مستطيل</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>دائرة</translation>
    </message>
    <message>
        <source>Drag on the scene to draw an oval</source>
        <translation>اسحب على المشهد لرسم شكل بيضاوي</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>مثلث</translation>
    </message>
    <message>
        <source>Drag on the scene to draw a triangle</source>
        <translation>اسحب على المشهد لرسم مثلث</translation>
    </message>
    <message>
        <source>Focus angle</source>
        <translation>زاوية التركيز</translation>
    </message>
    <message>
        <source>Angle of the sampling segment in ray space: chooses the depth that is sharp</source>
        <translation>زاوية قطعة أخذ العيّنات في فضاء الأشعة: تختار العمق الحادّ</translation>
    </message>
    <message>
        <source>Focus readout</source>
        <translation>قراءة التركيز</translation>
    </message>
    <message>
        <source>The focus angle and the depth in focus, from the lower line (0%) to the upper line (100%).
When no height blurs over one photo pixel (px) or less, nothing is sharp: the least blur is given.</source>
        <translation>زاوية التركيز والعمق المركَّز، من الخط السفلي (0٪) إلى الخط العلوي (100٪).
حين لا يكون أي ارتفاع مموّهًا ببكسل صورة (px) واحد أو أقل، فلا شيء حادّ: يُذكر أقل تمويه.</translation>
    </message>
    <message>
        <source>Depth of field</source>
        <translation>عمق الميدان</translation>
    </message>
    <message>
        <source>Half-length of the sampling segment in samples: the aperture; 0 is a pinhole</source>
        <translation>نصف طول قطعة أخذ العيّنات بالعيّنات: الفتحة؛ و0 ثقب</translation>
    </message>
    <message>
        <source>Depth of field readout</source>
        <translation>قراءة عمق الميدان</translation>
    </message>
    <message>
        <source>Samples taken on each side of a photo pixel&apos;s centre, and the aperture:
how wide, in canvas units, one photo pixel&apos;s rays leave the lower line (2 × samples × sin of the angle).
The red marker has that width, or 2 where it would be narrower.</source>
        <translation>العيّنات المأخوذة على كل جانب من مركز بكسل الصورة، والفتحة:
عرض خروج أشعة بكسل صورة واحد من الخط السفلي بوحدات اللوحة (2 × العيّنات × جيب الزاوية).
للعلامة الحمراء هذا العرض، أو 2 حيث تكون أضيق.</translation>
    </message>
    <message>
        <source>Focus on Selection</source>
        <translation>التركيز على التحديد</translation>
    </message>
    <message>
        <source>Turn the focus angle so the selected shape&apos;s centre is sharp</source>
        <translation>أدِر زاوية التركيز ليصبح مركز الشكل المحدد حادًّا</translation>
    </message>
    <message>
        <source>Sweep Focus</source>
        <translation>مسح التركيز</translation>
    </message>
    <message>
        <source>Sweep the focus angle down to 0°, up to 90° and back; press again to stop</source>
        <translation>امسح زاوية التركيز نزولًا إلى 0° وصعودًا إلى 90° ثم العودة؛ اضغط مجددًا للإيقاف</translation>
    </message>
    <message>
        <source>Render</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>Capture the scene again and rebuild the ray space and the photo</source>
        <translation>التقط المشهد من جديد وأعد بناء فضاء الأشعة والصورة</translation>
    </message>
    <message>
        <source>Take Photo</source>
        <translation>التقاط صورة</translation>
    </message>
    <message>
        <source>Take the photo again from the current ray space</source>
        <translation>التقط الصورة مجددًا من فضاء الأشعة الحالي</translation>
    </message>
    <message>
        <source>Ray-space axes</source>
        <translation>محاور فضاء الأشعة</translation>
    </message>
    <message>
        <source>Show or hide the axes over the ray space</source>
        <translation>إظهار المحاور فوق فضاء الأشعة أو إخفاؤها</translation>
    </message>
    <message>
        <source>Auto render</source>
        <translation>عرض تلقائي</translation>
    </message>
    <message>
        <source>Ombrel renders after every edit</source>
        <translation>يعرض Ombrel بعد كل تعديل</translation>
    </message>
    <message>
        <source>Auto photo</source>
        <translation>تصوير تلقائي</translation>
    </message>
    <message>
        <source>Ombrel takes a photo after every render and every change of the sliders</source>
        <translation>يلتقط Ombrel صورة بعد كل عرض وكل تغيير في المنزلقات</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>إظهار</translation>
    </message>
    <message>
        <source>Focus depth</source>
        <translation>عمق التركيز</translation>
    </message>
    <message>
        <source>Mark on the scene the height in focus and the band that stays sharp</source>
        <translation>حدّد على المشهد الارتفاع المركَّز والحزمة التي تبقى حادّة</translation>
    </message>
    <message>
        <source>Scene and ray-space links</source>
        <translation>روابط المشهد وفضاء الأشعة</translation>
    </message>
    <message>
        <source>Hover the scene to see a point&apos;s line in ray space, a photo pixel to see its samples, ray space to see where a ray meets the scene</source>
        <translation>مرّر فوق المشهد لترى خط النقطة في فضاء الأشعة، وفوق بكسل صورة لترى عيّناته، وفوق فضاء الأشعة لترى أين يلتقي الشعاع بالمشهد</translation>
    </message>
    <message>
        <source>Debug output</source>
        <translation>مخرجات التصحيح</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>التشخيص</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>ت&amp;حرير</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>&amp;Scenes</source>
        <translation>م&amp;شاهد</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>إ&amp;نهاء</translation>
    </message>
    <message>
        <source>Quit Ombrel</source>
        <translation>إنهاء Ombrel</translation>
    </message>
</context>
<context>
    <name>OpenPanel</name>
    <message>
        <source>Open Image</source>
        <translation>فتح صورة</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.gif *.ppm *.pgm *.xpm *.svg)</source>
        <translation>صور (*.png *.jpg *.jpeg *.bmp *.gif *.ppm *.pgm *.xpm *.svg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>, with title and axes</source>
        <translation>، مع العنوان والمحاور</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>ت&amp;صدير…</translation>
    </message>
    <message>
        <source>Export Focal Stack &amp;Sheet…</source>
        <translation>تصدير &amp;ورقة مكدّس التركيز…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>نسخ الصو&amp;رة</translation>
    </message>
    <message>
        <source>Copy the picture last chosen in Export (at first, the scene)</source>
        <translation>انسخ الصورة المختارة أخيرًا في التصدير (في البداية، المشهد)</translation>
    </message>
    <message>
        <source>focus angle %L1°, depth of field %L2</source>
        <translation>زاوية التركيز %L1°، عمق الميدان %L2</translation>
    </message>
    <message>
        <source>The scene (%L1)</source>
        <translation>المشهد (%L1)</translation>
    </message>
    <message>
        <source>x: position along the plane lines →</source>
        <translation>x: الموضع على طول خطَّي المستوى →</translation>
    </message>
    <message>
        <source>y: height (lines at %L1 and %L2) →</source>
        <translation>y: الارتفاع (الخطان عند %L1 و%L2) →</translation>
    </message>
    <message>
        <source>Ray space: one pixel per ray</source>
        <translation>فضاء الأشعة: بكسل لكل شعاع</translation>
    </message>
    <message>
        <source>u: where the ray crosses the upper line →</source>
        <translation>u: حيث يعبر الشعاع الخط العلوي →</translation>
    </message>
    <message>
        <source>v: where the ray crosses the lower line →</source>
        <translation>v: حيث يعبر الشعاع الخط السفلي →</translation>
    </message>
    <message>
        <source>The photo (%L1)</source>
        <translation>الصورة (%L1)</translation>
    </message>
    <message>
        <source>photo pixel: position on the upper line →</source>
        <translation>بكسل الصورة: الموضع على الخط العلوي →</translation>
    </message>
    <message>
        <source>Focal stack</source>
        <translation>مكدّس التركيز</translation>
    </message>
    <message>
        <source>Could not export “%L1”: only the scene and the focal stack sheet can be drawings; choose a PNG file for %L2. Nothing was written.</source>
        <translation>تعذر تصدير «%L1»: وحدهما المشهد وورقة مكدّس التركيز يمكن أن يكونا رسمًا؛ اختر ملف PNG لـ%L2. لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>Exported %L1 to “%L2”.</source>
        <translation>تم تصدير %L1 إلى «%L2».</translation>
    </message>
    <message>
        <source>There is no picture to copy yet.</source>
        <translation>لا توجد صورة لنسخها بعد.</translation>
    </message>
    <message>
        <source>Copied %L1 to the clipboard.</source>
        <translation>تم نسخ %L1 إلى الحافظة.</translation>
    </message>
    <message>
        <source>The focal stack sheet is drawn from the scene&apos;s optics: close the light field (File ▸ Close Light Field) to export it.</source>
        <translation>تُرسم ورقة مكدّس التركيز من بصريات المشهد: أغلق حقل الضوء (ملف ▸ إغلاق حقل الضوء) لتصديرها.</translation>
    </message>
    <message>
        <source>Could not export “%L1”: %L2 Nothing was written.</source>
        <translation>تعذّر تصدير «%L1»: %L2 لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>Could not export “%L1”: a light field&apos;s views are photographs, not drawings; choose a PNG file. Nothing was written.</source>
        <translation>تعذّر تصدير «%L1»: مناظر حقل الضوء صور فوتوغرافية لا رسوم؛ اختر ملف PNG. لم يُكتب شيء.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>the scene</source>
        <translation>المشهد</translation>
    </message>
    <message>
        <source>the ray space</source>
        <translation>فضاء الأشعة</translation>
    </message>
    <message>
        <source>the ray space with marks and axes</source>
        <translation>فضاء الأشعة مع العلامات والمحاور</translation>
    </message>
    <message>
        <source>the photo</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>the whole window</source>
        <translation>النافذة كاملة</translation>
    </message>
    <message>
        <source>the focal stack sheet</source>
        <translation>ورقة مكدّس التركيز</translation>
    </message>
    <message>
        <source>Could not export “%1”: %2. Nothing was written.</source>
        <translation>تعذر تصدير «%1»: %2. لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>there is no picture yet</source>
        <translation>لا توجد صورة بعد</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>يعترض الطريق مجلد بهذا الاسم</translation>
    </message>
    <message>
        <source>the central view</source>
        <translation>المنظر المركزي</translation>
    </message>
    <message>
        <source>Central view</source>
        <translation>المنظر المركزي</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>المشهد</translation>
    </message>
    <message>
        <source>Ray space</source>
        <translation>فضاء الأشعة</translation>
    </message>
    <message>
        <source>Ray space with marks and axes</source>
        <translation>فضاء الأشعة مع العلامات والمحاور</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>Whole window</source>
        <translation>النافذة كاملة</translation>
    </message>
    <message>
        <source>Focal stack sheet</source>
        <translation>ورقة مكدّس التركيز</translation>
    </message>
</context>
<context>
    <name>PointSpreadPlot</name>
    <message>
        <source>Point-spread function</source>
        <translation>دالة انتشار النقطة</translation>
    </message>
    <message>
        <source>%L1% up: spot %L2 photo px wide</source>
        <translation>عند %L1٪ من الارتفاع: بقعة بعرض %L2 بكسل صورة</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>ت&amp;كبير</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>ت&amp;صغير</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>ال&amp;حجم الفعلي</translation>
    </message>
    <message>
        <source>&amp;Live Updates</source>
        <translation>تحدي&amp;ثات حيّة</translation>
    </message>
    <message>
        <source>Render while a shape is dragged, and as soon as a new one is drawn</source>
        <translation>اعرض أثناء سحب الشكل، وفور رسم شكل جديد</translation>
    </message>
    <message>
        <source>%1 is the largest zoom that fits this screen</source>
        <translation>%1 هو أكبر تكبير يتسع له هذه الشاشة</translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation>التكبير %1</translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation>&amp;عرض تقديمي</translation>
    </message>
    <message>
        <source>Full screen, the views as large as the screen allows; F5 or Escape leaves</source>
        <translation>ملء الشاشة، والمناظر بأكبر حجم تسمح به الشاشة؛ F5 أو Escape للخروج</translation>
    </message>
    <message>
        <source>Leave Presentation</source>
        <translation>مغادرة العرض التقديمي</translation>
    </message>
    <message>
        <source>Presentation at %1</source>
        <translation>عرض تقديمي بتكبير %1</translation>
    </message>
</context>
<context>
    <name>RaySpaceAxes</name>
    <message>
        <source>u (upper line) →</source>
        <translation>u (الخط العلوي) →</translation>
    </message>
    <message>
        <source>v (lower line) →</source>
        <translation>v (الخط السفلي) →</translation>
    </message>
    <message>
        <source>v (lower line) ↑</source>
        <translation>v (الخط السفلي) ↑</translation>
    </message>
</context>
<context>
    <name>SceneDocument</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;جديد</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;فتح…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>حفظ &amp;باسم…</translation>
    </message>
    <message>
        <source>New Scene</source>
        <translation>مشهد جديد</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>فتح %1</translation>
    </message>
    <message>
        <source>Opened “%1”.</source>
        <translation>تم فتح «%1».</translation>
    </message>
    <message>
        <source>Untitled.%1</source>
        <translation>بلا عنوان.%1</translation>
    </message>
    <message>
        <source>Saved “%1”.</source>
        <translation>تم حفظ «%1».</translation>
    </message>
</context>
<context>
    <name>SceneFile</name>
    <message>
        <source>%1 has no %2</source>
        <translation>%1 ليس فيه %2</translation>
    </message>
    <message>
        <source>%1: %2 is not an object</source>
        <translation>%1: %2 ليس كائنًا</translation>
    </message>
    <message>
        <source>%1: %2 is not a number</source>
        <translation>%1: %2 ليس عددًا</translation>
    </message>
    <message>
        <source>%1: %2 is %3, outside %4 to %5</source>
        <translation>%1: %2 يساوي %3، خارج المدى من %4 إلى %5</translation>
    </message>
    <message>
        <source>, rectangle</source>
        <translation>، المستطيل</translation>
    </message>
    <message>
        <source>, colour</source>
        <translation>، اللون</translation>
    </message>
    <message>
        <source>%1: the image is not a text of PNG data</source>
        <translation>%1: الصورة ليست نصًا من بيانات PNG</translation>
    </message>
    <message>
        <source>%1: the image is not valid base64</source>
        <translation>%1: الصورة ليست base64 صالحًا</translation>
    </message>
    <message>
        <source>%1: the embedded image is not a PNG image</source>
        <translation>%1: الصورة المضمّنة ليست صورة PNG</translation>
    </message>
    <message>
        <source>%1: the embedded image is too large (%2 x %3 pixels)</source>
        <translation>%1: الصورة المضمّنة كبيرة جدًا (%2 x %3 بكسل)</translation>
    </message>
    <message>
        <source>%1: the embedded image is damaged (%2)</source>
        <translation>%1: الصورة المضمّنة تالفة (%2)</translation>
    </message>
    <message>
        <source>shape %1</source>
        <translation>الشكل %1</translation>
    </message>
    <message>
        <source>%1 is not an object</source>
        <translation>%1 ليس كائنًا</translation>
    </message>
    <message>
        <source>%1: %2 is not a text</source>
        <translation>%1: %2 ليس نصًا</translation>
    </message>
    <message>
        <source>%1 has an unknown kind %2</source>
        <translation>%1 من نوع غير معروف %2</translation>
    </message>
    <message>
        <source>the scene</source>
        <translation>المشهد</translation>
    </message>
    <message>
        <source>its format version is not a whole number from 1 up</source>
        <translation>إصدار تنسيقه ليس عددًا صحيحًا من 1 فصاعدًا</translation>
    </message>
    <message>
        <source>it was written by a newer Ombrel (format version %1; this one reads version %2)</source>
        <translation>كتبه Ombrel أحدث (إصدار التنسيق %1؛ وهذا يقرأ الإصدار %2)</translation>
    </message>
    <message>
        <source>%1: %2 is not true or false</source>
        <translation>%1: %2 ليس صحيحًا ولا خطأ</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number</source>
        <translation>%1: %2 ليس عددًا صحيحًا</translation>
    </message>
    <message>
        <source>the lesson</source>
        <translation>الدرس</translation>
    </message>
    <message>
        <source>%1: %2 is not one of box, tent, gaussian, twoSlits, pinholes</source>
        <translation>%1: %2 ليس أحد box أو tent أو gaussian أو twoSlits أو pinholes</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>الملف فارغ</translation>
    </message>
    <message>
        <source>it is not a scene file (not JSON: %1 at byte %2)</source>
        <translation>ليس ملف مشهد (ليس JSON: %1 عند البايت %2)</translation>
    </message>
    <message>
        <source>it is JSON but not an Ombrel scene</source>
        <translation>إنه JSON لكنه ليس مشهد Ombrel</translation>
    </message>
    <message>
        <source>its %1 are not a list</source>
        <translation>%1 فيه ليست قائمة</translation>
    </message>
    <message>
        <source>it holds %1 shapes, more than the %2 Ombrel opens</source>
        <translation>يحوي %1 شكلًا، أكثر من %2 التي يفتحها Ombrel</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>تعذر فتح %1: %2.</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>لا يوجد ملف كهذا</translation>
    </message>
    <message>
        <source>it is a folder, not a scene file</source>
        <translation>إنه مجلد وليس ملف مشهد</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>it is larger than any scene file Ombrel opens (%1 MB)</source>
        <translation>إنه أكبر من أي ملف مشهد يفتحه Ombrel (%1 ميغابايت)</translation>
    </message>
    <message>
        <source>Could not save %1: %2. Any earlier file of that name is unchanged.</source>
        <translation>تعذر حفظ %1: %2. أي ملف سابق بهذا الاسم لم يتغير.</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>يعترض الطريق مجلد بهذا الاسم</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Rectangle</source>
        <translation>مستطيل</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>دائرة</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>مثلث</translation>
    </message>
    <message>
        <source>rectangle</source>
        <comment>in a sentence</comment>
        <translation>المستطيل</translation>
    </message>
    <message>
        <source>circle</source>
        <comment>in a sentence</comment>
        <translation>الدائرة</translation>
    </message>
    <message>
        <source>triangle</source>
        <comment>in a sentence</comment>
        <translation>المثلث</translation>
    </message>
</context>
<context>
    <name>SlopeStrip</name>
    <message>
        <source>Depth estimated from the slopes in ray space at each photo pixel; the legend runs from the lower line (0) to the upper line (1).</source>
        <translation>العمق المقدَّر من الميول في فضاء الأشعة عند كل بكسل صورة؛ يمتد المفتاح من الخط السفلي (0) إلى الخط العلوي (1).</translation>
    </message>
    <message>
        <source>λ 0: lower line</source>
        <translation>λ 0: الخط السفلي</translation>
    </message>
    <message>
        <source>upper line: 1</source>
        <translation>الخط العلوي: 1</translation>
    </message>
</context>
<context>
    <name>SpectrumDock</name>
    <message>
        <source>Spectrum</source>
        <translation>الطيف</translation>
    </message>
    <message>
        <source>log |DFT| of ray space: slice (orange), fan (blue)</source>
        <translation>log |DFT| لفضاء الأشعة: الشريحة (برتقالي)، المروحة (أزرق)</translation>
    </message>
    <message>
        <source>The slice is the line the focus angle selects; the fan lies between the lines of the nearest and farthest shapes.</source>
        <translation>الشريحة هي الخط الذي تختاره زاوية التركيز؛ وتقع المروحة بين خطَّي أقرب الأشكال وأبعدها.</translation>
    </message>
    <message>
        <source>Photo |DFT| (black), slice values (orange)</source>
        <translation>|DFT| للصورة (أسود)، قيم الشريحة (برتقالي)</translation>
    </message>
    <message>
        <source>Both on a log scale. They meet for a photo through the whole aperture, the projection the slice stands for.</source>
        <translation>كلاهما بمقياس لوغاريتمي. يتطابقان لصورة عبر الفتحة كاملة، وهو الإسقاط الذي تمثله الشريحة.</translation>
    </message>
    <message>
        <source>Spectru&amp;m</source>
        <translation>ال&amp;طيف</translation>
    </message>
    <message>
        <source>log |DFT| of the epipolar-plane image: slice (orange)</source>
        <translation>log |DFT| لصورة المستوى الإبيبولاري: الشريحة (برتقالي)</translation>
    </message>
    <message>
        <source>The slice is the line the focus angle selects. A real light field&apos;s depths are not known, so no fan is drawn.</source>
        <translation>الشريحة هي الخط الذي تختاره زاوية التركيز. أعماق حقل الضوء الحقيقي غير معروفة، فلا تُرسم مروحة.</translation>
    </message>
    <message>
        <source>Across: cycles along a view&apos;s %1 pixels, %2 to %3. Down: cycles across the %4 views, %5 to %6. Zero frequency at the centre.</source>
        <translation>أفقيًا: الدورات على امتداد بكسلات المنظر الـ%1، من %2 إلى %3. عموديًا: الدورات عبر المناظر الـ%4، من %5 إلى %6. التردد الصفري في المركز.</translation>
    </message>
    <message>
        <source>Across: k_u, cycles along the upper line. Down: k_r, cycles along the lower line. Zero frequency at the centre.</source>
        <translation>أفقيًا: k_u، الدورات على امتداد الخط العلوي. عموديًا: k_r، الدورات على امتداد الخط السفلي. التردد الصفري في المركز.</translation>
    </message>
    <message>
        <source>No light field to transform yet.</source>
        <translation>لا يوجد حقل ضوء لتحويله بعد.</translation>
    </message>
</context>
<context>
    <name>StatusMessages</name>
    <message>
        <source>Rendered in %1 ms</source>
        <translation>اكتمل العرض في %1 م.ث</translation>
    </message>
    <message>
        <source>Photo taken in %1 ms</source>
        <translation>التُقطت الصورة في %1 م.ث</translation>
    </message>
    <message>
        <source>The ray space and the photo show the scene as it was at the last render</source>
        <translation>يُظهر فضاء الأشعة والصورة المشهد كما كان عند آخر عرض</translation>
    </message>
    <message>
        <source>Scene changed: press Render</source>
        <translation>تغيّر المشهد: اضغط عرض</translation>
    </message>
    <message>
        <source>Could not use “%1” as a fill: %2</source>
        <translation>تعذر استخدام «%1» تعبئةً: %2</translation>
    </message>
</context>
<context>
    <name>TeachingAids</name>
    <message>
        <source>Show &amp;Focus Depth</source>
        <translation>إظهار عمق ال&amp;تركيز</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>&amp;Link Scene and Ray Space</source>
        <translation>&amp;ربط المشهد بفضاء الأشعة</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Focus on &amp;Selection</source>
        <translation>التركيز على التح&amp;ديد</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>S&amp;weep Focus</source>
        <translation>م&amp;سح التركيز</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>%L1°: nothing is sharp (%L2)</source>
        <translation>%L1°: لا شيء حادّ (%L2)</translation>
    </message>
    <message>
        <source>%L1°, a pinhole: every height is sharp</source>
        <translation>%L1°، ثقب: كل ارتفاع حادّ</translation>
    </message>
    <message>
        <source>%L1°, sharp at %L2% of the way up</source>
        <translation>%L1°، حادّ عند %L2٪ من الارتفاع</translation>
    </message>
    <message>
        <source>blur ≥ %L1 px</source>
        <translation>تمويه ≥ %L1 px</translation>
    </message>
    <message>
        <source>blur &gt; 1 px</source>
        <translation>تمويه &gt; 1 px</translation>
    </message>
    <message>
        <source>%L1 · aperture %L2</source>
        <translation>%L1 · الفتحة %L2</translation>
    </message>
    <message>
        <source>pinhole</source>
        <translation>ثقب</translation>
    </message>
    <message>
        <source>%L1 each side</source>
        <translation>%L1 على كل جانب</translation>
    </message>
    <message>
        <source>%L1 · aperture %L2, drawn %L3</source>
        <translation>%L1 · الفتحة %L2، مرسومة %L3</translation>
    </message>
    <message>
        <source>Scene x = %L1, y = %L2</source>
        <translation>المشهد x = %L1، y = %L2</translation>
    </message>
    <message>
        <source>%L1: outside the strip between the plane lines</source>
        <translation>%L1: خارج الشريط بين خطَّي المستوى</translation>
    </message>
    <message>
        <source>more than one photo pixel</source>
        <translation>أكثر من بكسل صورة واحد</translation>
    </message>
    <message>
        <source>%L1 photo pixels</source>
        <translation>%L1 بكسل صورة</translation>
    </message>
    <message>
        <source>%L1: %L2 of the way up; a focus angle of %L3° focuses on it, yet it blurs over %L4</source>
        <translation>%L1: عند %L2 من الارتفاع؛ زاوية تركيز %L3° تركّز عليه، لكنه يتموّه على %L4</translation>
    </message>
    <message>
        <source>%L1: %L2 of the way up; a focus angle of %L3° makes it sharp</source>
        <translation>%L1: عند %L2 من الارتفاع؛ زاوية تركيز %L3° تجعله حادًّا</translation>
    </message>
    <message>
        <source>Ray from u = %L1 on the upper line to v = %L2 on the lower line</source>
        <translation>شعاع من u = %L1 على الخط العلوي إلى v = %L2 على الخط السفلي</translation>
    </message>
    <message>
        <source>%L1: white: meets nothing</source>
        <translation>%L1: أبيض: لا يلتقي شيئًا</translation>
    </message>
    <message>
        <source>%L1: meets %L2</source>
        <translation>%L1: يلتقي %L2</translation>
    </message>
    <message>
        <source>%L1; %L2</source>
        <translation>%L1؛ %L2</translation>
    </message>
    <message>
        <source>Photo pixel %L1: %L2, the mean of %L3 of its %L4 samples</source>
        <translation>بكسل الصورة %L1: %L2، متوسط %L3 من عيّناته البالغة %L4</translation>
    </message>
    <message>
        <source>Photo pixel %L1: %L2, the weighted mean of %L3 of its %L4 samples</source>
        <translation>بكسل الصورة %L1: %L2، المتوسط المرجّح لـ%L3 من عيّناته البالغة %L4</translation>
    </message>
    <message>
        <source>%L1; nothing is sharp (%L2)</source>
        <translation>%L1؛ لا شيء حادّ (%L2)</translation>
    </message>
    <message>
        <source>%L1; a pinhole: every height is sharp</source>
        <translation>%L1؛ ثقب: كل ارتفاع حادّ</translation>
    </message>
    <message>
        <source>%L1; sharp at y = %L2 (%L3 up)</source>
        <translation>%L1؛ حادّ عند y = %L2 (%L3 من الارتفاع)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln sample(s) each side</source>
        <translation>
            <numerusform>%Ln عيّنة على كل جانب</numerusform>
            <numerusform>عيّنة واحدة على كل جانب</numerusform>
            <numerusform>عيّنتان على كل جانب</numerusform>
            <numerusform>%Ln عيّنات على كل جانب</numerusform>
            <numerusform>%Ln عيّنة على كل جانب</numerusform>
            <numerusform>%Ln عيّنة على كل جانب</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lightfieldviews::EpiView</name>
    <message>
        <source>pixel →</source>
        <translation>بكسل →</translation>
    </message>
    <message>
        <source>view →</source>
        <translation>منظر →</translation>
    </message>
</context>
<context>
    <name>viewaccessibility</name>
    <message>
        <source>rectangle</source>
        <translation>مستطيل</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>دائرة</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>مثلث</translation>
    </message>
    <message>
        <source>no colour</source>
        <translation>بلا لون</translation>
    </message>
    <message>
        <source>black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>white</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>رمادي</translation>
    </message>
    <message>
        <source>red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>سماوي</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>بنفسجي</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>وردي</translation>
    </message>
    <message>
        <source>image-filled</source>
        <translation>مملوء بصورة</translation>
    </message>
    <message>
        <source>%1 %2, %3 to %4 across, %5% up</source>
        <translation>%2 %1، من %3 إلى %4 عرضًا، على ارتفاع %5%</translation>
    </message>
    <message>
        <source>Shapes between the plane lines: %1</source>
        <translation>الأشكال بين خطَّي المستوى: %1</translation>
    </message>
    <message>
        <source>selected: %1</source>
        <translation>المحدد: %1</translation>
    </message>
    <message>
        <source>Nothing rendered yet</source>
        <translation>لم يُرسم شيء بعد</translation>
    </message>
    <message>
        <source>Every ray between the plane lines, %1 by %2: column u is where a ray crosses the upper line, row v from the bottom where it crosses the lower line</source>
        <translation>كل شعاع بين خطَّي المستوى، %1 في %2: العمود u حيث يعبر الشعاع الخط العلوي، والصف v من الأسفل حيث يعبر الخط السفلي</translation>
    </message>
    <message>
        <source>A photo %1 pixels wide taken from the ray space</source>
        <translation>صورة بعرض %1 بكسل مأخوذة من فضاء الأشعة</translation>
    </message>
    <message>
        <source>At the cursor: the ray from %1 on the upper line to %2 on the lower line, %3</source>
        <translation>عند المؤشر: الشعاع من %1 على الخط العلوي إلى %2 على الخط السفلي، %3</translation>
    </message>
    <message>
        <source>At the cursor: pixel %1, %2</source>
        <translation>عند المؤشر: البكسل %1، %2</translation>
    </message>
</context>
</TS>
