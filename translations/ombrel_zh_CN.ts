<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>Opened “%1”. Ombrel opens one lesson at a time; not opened: %2.</source>
        <translation>已打开“%1”。Ombrel 一次只打开一个课程；未打开：%2。</translation>
    </message>
</context>
<context>
    <name>BuiltInScenes</name>
    <message>
        <source>Billboards</source>
        <translation>广告牌</translation>
    </message>
    <message>
        <source>Three bars at three depths: each is a band in ray space, its slope set by its depth.</source>
        <translation>三根位于三个深度的横条：每根在光线空间中是一条带，其斜率由深度决定。</translation>
    </message>
    <message>
        <source>Two Dots</source>
        <translation>两个点</translation>
    </message>
    <message>
        <source>Dots at a quarter and three quarters of the way up: two lines of different slopes in ray space.</source>
        <translation>分别位于四分之一和四分之三高度的点：在光线空间中是两条斜率不同的线。</translation>
    </message>
    <message>
        <source>Occluder</source>
        <translation>遮挡</translation>
    </message>
    <message>
        <source>A bar in front of a wider wall: where both lie on a ray, ray space shows the one nearer the lower line.</source>
        <translation>一根横条挡在更宽的墙前：两者位于同一光线上时，光线空间显示离下方直线更近的那个。</translation>
    </message>
    <message>
        <source>Picket Fence</source>
        <translation>栅栏</translation>
    </message>
    <message>
        <source>Bars at one depth: sharp stripes in the photo only when the focus reaches their depth.</source>
        <translation>同一深度的横条：只有焦点到达其深度时，照片中才出现清晰的条纹。</translation>
    </message>
    <message>
        <source>Depth Ladder</source>
        <translation>深度阶梯</translation>
    </message>
    <message>
        <source>Five bars at evenly spaced heights: sweep the focus to bring each into focus in turn.</source>
        <translation>五根横条位于等距的高度：扫描焦点，依次使每一根清晰。</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>空白</translation>
    </message>
    <message>
        <source>An empty scene: white rays and a white photo, ready for shapes of your own.</source>
        <translation>空场景：白色的光线和白色的照片，可以放入你自己的形状。</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>Shapes of random kinds, places and colours: guess their depths from ray space.</source>
        <translation>类型、位置和颜色随机的形状：从光线空间猜出它们的深度。</translation>
    </message>
</context>
<context>
    <name>CameraPanel</name>
    <message>
        <source>Camera</source>
        <translation>相机</translation>
    </message>
    <message>
        <source>Viewpoint</source>
        <translation>视点</translation>
    </message>
    <message>
        <source>Where the aperture&apos;s centre sits on the lower line: moving it gives parallax</source>
        <translation>光圈中心在下方直线上的位置：移动它会产生视差</translation>
    </message>
    <message>
        <source>Viewpoint:</source>
        <translation>视点：</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>方框</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>三角</translation>
    </message>
    <message>
        <source>Gaussian</source>
        <translation>高斯</translation>
    </message>
    <message>
        <source>Two slits</source>
        <translation>双缝</translation>
    </message>
    <message>
        <source>K pinholes</source>
        <translation>K 个针孔</translation>
    </message>
    <message>
        <source>How the aperture weighs its samples: the blur takes its shape</source>
        <translation>光圈如何为其采样加权：模糊会呈现它的形状</translation>
    </message>
    <message>
        <source>Aperture:</source>
        <translation>光圈：</translation>
    </message>
    <message>
        <source>How many pinholes spread over the aperture: a camera array</source>
        <translation>分布在光圈上的针孔数量：一个相机阵列</translation>
    </message>
    <message>
        <source>Pinholes K:</source>
        <translation>针孔数 K：</translation>
    </message>
    <message>
        <source>Keep aperture width</source>
        <translation>保持光圈宽度</translation>
    </message>
    <message>
        <source>The depth-of-field slider sets the aperture&apos;s width on the lower line, so refocusing keeps the aperture, as a real camera does</source>
        <translation>景深滑块设定光圈在下方直线上的宽度，因此重新对焦时光圈保持不变，就像真实相机一样</translation>
    </message>
    <message>
        <source>&amp;Camera</source>
        <translation>相机(&amp;C)</translation>
    </message>
    <message>
        <source>A pinhole photo is one row of ray space.</source>
        <translation>针孔照片就是光线空间的一行。</translation>
    </message>
    <message>
        <source>Aperture %L1 wide on the lower line: d = %L2 samples at %L3°</source>
        <translation>光圈在下方直线上宽 %L1：在 %L3° 时 d = %L2 个采样</translation>
    </message>
    <message>
        <source>Capped at d = %L1 (the image&apos;s width): near 0° the width would need ever more samples</source>
        <translation>上限为 d = %L1（图像宽度）：接近 0° 时该宽度需要越来越多的采样</translation>
    </message>
    <message>
        <source>The photo is ray-space row %L1 from the bottom (highlighted).</source>
        <translation>照片是光线空间自下而上的第 %L1 行（已突出显示）。</translation>
    </message>
    <message>
        <source>p = %L1, the centre</source>
        <translation>p = %L1，中心</translation>
    </message>
    <message>
        <source>p = %L1, %L2 left of the centre</source>
        <translation>p = %L1，中心左侧 %L2</translation>
    </message>
    <message>
        <source>p = %L1, %L2 right of the centre</source>
        <translation>p = %L1，中心右侧 %L2</translation>
    </message>
    <message>
        <source>Render to place the camera</source>
        <translation>渲染以放置相机</translation>
    </message>
    <message>
        <source>black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>white</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>品红色</translation>
    </message>
    <message>
        <source>Photo pixel %L1 takes no sample</source>
        <translation>照片像素 %L1 没有采样</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>无</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>横条</translation>
    </message>
    <message>
        <source>the %L1 %L2</source>
        <translation>%L1%L2</translation>
    </message>
    <message>
        <source>something %L1</source>
        <translation>%L1的物体</translation>
    </message>
    <message>
        <source>%L1 (%L2%)</source>
        <translation>%L1（%L2%）</translation>
    </message>
    <message>
        <source>Photo pixel %L1 sees %L2 through %L3% of the aperture</source>
        <translation>照片像素 %L1 通过 %L3% 的光圈看到%L2</translation>
    </message>
    <message>
        <source>, the rest meets %L1</source>
        <translation>，其余的照到%L1</translation>
    </message>
    <message>
        <source> and </source>
        <translation>和</translation>
    </message>
    <message>
        <source>At %L1% up, moving the viewpoint 1 right moves the image %L2 photo px left</source>
        <translation>在 %L1% 高度处，视点右移 1 会使图像左移 %L2 个照片像素</translation>
    </message>
    <message>
        <source>A row of views counts its aperture in views, which refocusing does not change: the depth-of-field slider sets how many</source>
        <translation>一行视图以视图个数计量光圈，重新对焦不会改变它：景深滑块决定参与的视图数</translation>
    </message>
    <message>
        <source>The viewpoint is the view read unshifted; the profile weighs the views around it, as many on each side as the depth of field says. The point-spread plot needs the scene&apos;s depths, which real views do not give.</source>
        <translation>视点是不平移读取的那个视图；轮廓对它周围的视图加权，每侧的个数由景深决定。点扩散图需要场景的深度，而真实视图不提供深度。</translation>
    </message>
</context>
<context>
    <name>DepthSlopes</name>
    <message>
        <source>Show Slop&amp;es</source>
        <translation>显示斜率(&amp;E)</translation>
    </message>
    <message>
        <source>slopes give λ = %L1</source>
        <translation>斜率给出 λ = %L1</translation>
    </message>
    <message>
        <source>slopes give no confident λ</source>
        <translation>斜率未给出可信的 λ</translation>
    </message>
    <message>
        <source>, true λ = %L1</source>
        <translation>，真实 λ = %L1</translation>
    </message>
    <message>
        <source>Show Slopes cannot read this light field here.</source>
        <translation>“显示斜率”无法在此读取这个光场。</translation>
    </message>
    <message>
        <source>Show Slopes needs at least 3 views to read slopes; this light field has %1.</source>
        <translation>“显示斜率”至少需要 3 个视图才能读取斜率；这个光场只有 %1 个。</translation>
    </message>
    <message>
        <source>Show Slopes reads only a square ray space, not %1 × %2 pixels.</source>
        <translation>“显示斜率”只能读取正方形的光线空间，而不是 %1 × %2 像素。</translation>
    </message>
    <message>
        <source>disparity %L1</source>
        <translation>视差 %L1</translation>
    </message>
    <message>
        <source>%L1 px per view</source>
        <translation>每个视图 %L1 像素</translation>
    </message>
    <message>
        <source>slopes give disparity %L1 px per view</source>
        <translation>斜率给出视差每个视图 %L1 像素</translation>
    </message>
    <message>
        <source>slopes give no confident disparity</source>
        <translation>斜率未给出可信的视差</translation>
    </message>
</context>
<context>
    <name>DocumentDialogs</name>
    <message>
        <source>Export Picture</source>
        <translation>导出图片</translation>
    </message>
    <message>
        <source>Add a &amp;title, the axes&apos; names and the focus line</source>
        <translation>添加标题、坐标轴名称和焦点线(&amp;T)</translation>
    </message>
    <message>
        <source>Around the scene, the ray space or the photo: a title with the optics and the names of the axes; on the scene also the focus line and sharp band when View ▸ Show Focus Depth is on</source>
        <translation>在场景、光线空间或照片周围：带有光学参数和坐标轴名称的标题；当“视图 ▸ 显示焦点深度”打开时，场景上还有焦点线和清晰带</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>保存…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>图片：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>尺寸：</translation>
    </message>
    <message>
        <source>Open Scene</source>
        <translation>打开场景</translation>
    </message>
    <message>
        <source>Ombrel scenes (*.ombrel)</source>
        <translation>Ombrel 场景 (*.ombrel)</translation>
    </message>
    <message>
        <source>Save Scene</source>
        <translation>保存场景</translation>
    </message>
    <message>
        <source>Ombrel</source>
        <translation>Ombrel</translation>
    </message>
    <message>
        <source>Save the changes to the untitled scene?</source>
        <translation>保存对未命名场景的更改吗？</translation>
    </message>
    <message>
        <source>Save the changes to “%1”?</source>
        <translation>保存对“%1”的更改吗？</translation>
    </message>
    <message>
        <source>Your changes are lost if you don&apos;t save them.</source>
        <translation>如果不保存，您的更改将会丢失。</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>PNG 图片 (*.png);;SVG 绘图 (*.svg)</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
</context>
<context>
    <name>EditActions</name>
    <message>
        <source>Draw</source>
        <translation>绘制</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>调整大小</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>微移</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>填充</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>再制(&amp;U)</translation>
    </message>
    <message>
        <source>Bring to &amp;Front</source>
        <translation>置于顶层(&amp;F)</translation>
    </message>
    <message>
        <source>Send to &amp;Back</source>
        <translation>置于底层(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Colour…</source>
        <translation>颜色(&amp;C)…</translation>
    </message>
    <message>
        <source>Remove &amp;Image Fill</source>
        <translation>移除图像填充(&amp;I)</translation>
    </message>
    <message>
        <source>Draw %1</source>
        <translation>绘制%1</translation>
    </message>
    <message>
        <source>Copied the %1</source>
        <translation>已复制%1</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>剪贴板</translation>
    </message>
    <message>
        <source>The clipboard holds no shapes Ombrel can read</source>
        <translation>剪贴板中没有 Ombrel 能读取的形状</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>再制</translation>
    </message>
    <message>
        <source>Bring to Front</source>
        <translation>置于顶层</translation>
    </message>
    <message>
        <source>Send to Back</source>
        <translation>置于底层</translation>
    </message>
    <message>
        <source>Shape Colour</source>
        <translation>形状颜色</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Remove Image Fill</source>
        <translation>移除图像填充</translation>
    </message>
    <message>
        <source>%1 Scene</source>
        <translation>%1场景</translation>
    </message>
    <message>
        <source>%1 (seed %2)</source>
        <translation>%1（种子 %2）</translation>
    </message>
</context>
<context>
    <name>FocalStack</name>
    <message>
        <source>%L1 · focused at y = %L2</source>
        <translation>%L1 · 对焦于 y = %L2</translation>
    </message>
    <message>
        <source>Focal stack: the photo at nine focus angles, depth of field %L1</source>
        <translation>焦点堆栈：九个对焦角度下的照片，景深 %L1</translation>
    </message>
    <message>
        <source>All in focus and depth per photo pixel, depth of field %L1</source>
        <translation>全景深与每个照片像素的深度，景深 %L1</translation>
    </message>
    <message>
        <source>All in focus: each pixel at its sharpest focus angle</source>
        <translation>全景深：每个像素取其最清晰的对焦角度</translation>
    </message>
    <message>
        <source>Depth from focus: blue at the lower line to red at the upper, white none</source>
        <translation>由对焦得到的深度：下方直线为蓝色到上方直线为红色，白色表示无</translation>
    </message>
    <message>
        <source>Depth from the slopes in ray space, in the same colours</source>
        <translation>由光线空间斜率得到的深度，颜色相同</translation>
    </message>
</context>
<context>
    <name>FocalStackDock</name>
    <message>
        <source>Focal Stack</source>
        <translation>焦点堆栈</translation>
    </message>
    <message>
        <source>Depth from focus (colours as Show Slopes)</source>
        <translation>由对焦得到的深度（颜色同“显示斜率”）</translation>
    </message>
    <message>
        <source>All in focus: each pixel at its sharpest angle</source>
        <translation>全景深：每个像素取其最清晰的角度</translation>
    </message>
    <message>
        <source>Local sharpness of the hovered photo pixel against the focus angle, 0° to 90°; the dashed line is the current angle.</source>
        <translation>悬停照片像素的局部清晰度随对焦角度（0° 到 90°）的变化；虚线为当前角度。</translation>
    </message>
    <message>
        <source>Focal Stac&amp;k</source>
        <translation>焦点堆栈(&amp;K)</translation>
    </message>
    <message>
        <source>sharpest at λ = %L1</source>
        <translation>在 λ = %L1 处最清晰</translation>
    </message>
    <message>
        <source>alike at every angle</source>
        <translation>各角度相同</translation>
    </message>
    <message>
        <source>Sharpness, photo pixel %L1: %L2</source>
        <translation>清晰度，照片像素 %L1：%L2</translation>
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
        <translation>焦点堆栈无法扫描这个 %1 × %2 像素的光场。</translation>
    </message>
    <message>
        <source>Depth from focus (blue: nearest, red: farthest)</source>
        <translation>由对焦得到的深度（蓝色：最近，红色：最远）</translation>
    </message>
    <message>
        <source>sharpest at disparity %L1 px per view</source>
        <translation>在视差每个视图 %L1 像素处最清晰</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>&amp;Quick Guide</source>
        <translation>快速指南(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;About Ombrel</source>
        <translation>关于 Ombrel(&amp;A)</translation>
    </message>
    <message>
        <source>Ombrel Quick Guide</source>
        <translation>Ombrel 快速指南</translation>
    </message>
    <message>
        <source>About Ombrel</source>
        <translation>关于 Ombrel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Ombrel %1&lt;/h3&gt;&lt;p&gt;Light-field photography in two dimensions: arrange shapes between two plane lines, see every ray that crosses them, and take photos focused at any depth.&lt;/p&gt;&lt;p&gt;Licensed under the Apache License, Version 2.0.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Ombrel %1&lt;/h3&gt;&lt;p&gt;二维光场摄影：在两条平面线之间布置形状，查看穿过它们的每一条光线，并在任意深度对焦拍照。&lt;/p&gt;&lt;p&gt;依据 Apache License, Version 2.0 授权。&lt;/p&gt;&lt;p&gt;使用 Qt %2 构建，运行于 Qt %3。&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>HighContrast</name>
    <message>
        <source>&amp;High Contrast</source>
        <translation>高对比度(&amp;H)</translation>
    </message>
    <message>
        <source>Draw the overlays thicker, in dark colours edged in white, so they read on a projector</source>
        <translation>将叠加层画得更粗，用深色并加白边，使其在投影仪上清晰可读</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>not an image</source>
        <translation>不是图像</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>太大</translation>
    </message>
</context>
<context>
    <name>KeyboardAccess</name>
    <message>
        <source>Select &amp;Next Shape</source>
        <translation>选择下一个形状(&amp;N)</translation>
    </message>
    <message>
        <source>Select Pre&amp;vious Shape</source>
        <translation>选择上一个形状(&amp;V)</translation>
    </message>
    <message>
        <source>Draw Shape in the &amp;Middle</source>
        <translation>在中间绘制形状(&amp;M)</translation>
    </message>
    <message>
        <source>Pick Rectangle, Circle or Triangle first</source>
        <translation>请先选择矩形、圆形或三角形</translation>
    </message>
    <message>
        <source>Move Cursor Left</source>
        <translation>光标左移</translation>
    </message>
    <message>
        <source>Move Cursor &amp;Right</source>
        <translation>光标右移(&amp;R)</translation>
    </message>
    <message>
        <source>Move Cursor &amp;Up</source>
        <translation>光标上移(&amp;U)</translation>
    </message>
    <message>
        <source>Move Cursor &amp;Down</source>
        <translation>光标下移(&amp;D)</translation>
    </message>
    <message>
        <source>Click a&amp;t Cursor</source>
        <translation>在光标处点击(&amp;T)</translation>
    </message>
    <message>
        <source>Click at Cursor focuses from the scene or the photo</source>
        <translation>“在光标处点击”从场景或照片对焦</translation>
    </message>
</context>
<context>
    <name>LightFieldDocument</name>
    <message>
        <source>Central view</source>
        <translation>中央视图</translation>
    </message>
    <message>
        <source>Ray space of the scanline</source>
        <translation>扫描线的光线空间</translation>
    </message>
    <message>
        <source>Refocused scanline</source>
        <translation>重新对焦的扫描线</translation>
    </message>
    <message>
        <source>Open Light Field</source>
        <translation>打开光场</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>The views form a grid. Open which row?</source>
        <translation>这些视图构成网格。打开哪一行？</translation>
    </message>
    <message>
        <source>Open &amp;Light Field…</source>
        <translation>打开光场(&amp;L)…</translation>
    </message>
    <message>
        <source>Open a row of camera views (a folder) or one epipolar-plane image</source>
        <translation>打开一行相机视图（一个文件夹）或一幅极平面图像</translation>
    </message>
    <message>
        <source>&amp;Close Light Field</source>
        <translation>关闭光场(&amp;C)</translation>
    </message>
    <message>
        <source>Go back to the scene</source>
        <translation>返回场景</translation>
    </message>
    <message>
        <source>Opening the light field…</source>
        <translation>正在打开光场…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Opening the light field was cancelled; nothing changed.</source>
        <translation>已取消打开光场；没有任何更改。</translation>
    </message>
    <message>
        <source>%1 — Light Field — Ombrel</source>
        <translation>%1 — 光场 — Ombrel</translation>
    </message>
    <message>
        <source>Closed the light field; back to the scene.</source>
        <translation>已关闭光场；回到场景。</translation>
    </message>
    <message>
        <source>The central camera view. Drag the red scanline, or press the up and down arrow keys, to cut the ray space at another row.</source>
        <translation>中央相机视图。拖动红色扫描线，或按上下方向键，在另一行切开光线空间。</translation>
    </message>
    <message>
        <source>The ray space of the scanline: one row per camera view (view 0 at the bottom), one column per pixel. A point at one depth is a line.</source>
        <translation>扫描线的光线空间：每个相机视图一行（视图 0 在底部），每个像素一列。某一深度上的点是一条直线。</translation>
    </message>
    <message>
        <source>The scanline refocused by shifting and averaging the views. Hover a pixel to see its samples in ray space; click it to focus there.</source>
        <translation>通过平移并平均各视图重新对焦的扫描线。悬停在像素上可在光线空间中看到它的采样；单击它即在该处对焦。</translation>
    </message>
    <message>
        <source>Views or epipolar image (*.png *.jpg *.jpeg *.bmp *.ppm *.tif *.tiff *.webp)</source>
        <translation>视图或极平面图像 (*.png *.jpg *.jpeg *.bmp *.ppm *.tif *.tiff *.webp)</translation>
    </message>
    <message>
        <source>no view takes part</source>
        <translation>没有视图参与</translation>
    </message>
    <message>
        <source>Works on the scene: close the light field (File ▸ Close Light Field) to use it. A real light field has no shapes or planes to act on.</source>
        <translation>作用于场景：关闭光场（文件 ▸ 关闭光场）后即可使用。真实光场没有可供操作的形状或平面。</translation>
    </message>
    <message>
        <source>Drawn from the scene&apos;s optics: close the light field (File ▸ Close Light Field) to use it.</source>
        <translation>按场景的光学绘制：关闭光场（文件 ▸ 关闭光场）后即可使用。</translation>
    </message>
    <message>
        <source>%L1° — disparity %2 px per view</source>
        <translation>%L1° — 视差：每个视图 %2 像素</translation>
    </message>
    <message>
        <source>Row %L1</source>
        <translation>第 %L1 行</translation>
    </message>
    <message>
        <source>views %L1 to %L2 (%L3 of %L4)</source>
        <translation>视图 %L1 至 %L2（%L4 个中的 %L3 个）</translation>
    </message>
    <message>
        <source>%L1 of the views %L2 to %L3 (%L4 in all)</source>
        <translation>视图 %L2 至 %L3 中的 %L1 个（共 %L4 个）</translation>
    </message>
    <message>
        <source>Opened the light field “%1”: %L2 views of %L3 × %L4 pixels.</source>
        <translation>已打开光场“%1”：%L2 个视图，每个 %L3 × %L4 像素。</translation>
    </message>
    <message>
        <source>Photo pixel %L1: no view sees it; it is white</source>
        <translation>照片像素 %L1：没有视图看到它；它是白色的</translation>
    </message>
    <message>
        <source>Photo pixel %L1: the mean of views %L2 to %L3 along disparity %L4 px per view</source>
        <translation>照片像素 %L1：视图 %L2 到 %L3 沿视差每个视图 %L4 像素的平均值</translation>
    </message>
    <message>
        <source>Photo pixel %L1: the weighted mean of views %L2 to %L3 along disparity %L4 px per view</source>
        <translation>照片像素 %L1：视图 %L2 到 %L3 沿视差每个视图 %L4 像素的加权平均值</translation>
    </message>
    <message>
        <source>Too few views see pixel %L1 to find its depth.</source>
        <translation>看到像素 %L1 的视图太少，无法求出其深度。</translation>
    </message>
    <message>
        <source>Focused on pixel %L1: its samples fit best at disparity %L2 px per view (%L3°).</source>
        <translation>已对焦于像素 %L1：其采样最符合视差每个视图 %L2 像素（%L3°）。</translation>
    </message>
</context>
<context>
    <name>LightFieldLoader</name>
    <message>
        <source>The folder &quot;%1&quot; holds more than %2 files: a light field has at most %3 rows of %3 views.</source>
        <translation>文件夹“%1”中的文件多于 %2 个：光场最多有 %3 行，每行 %3 个视图。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no images.</source>
        <translation>文件夹“%1”中没有图像。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both name the view at row %3, column %4.</source>
        <translation>“%1”和“%2”都指向第 %3 行第 %4 列的视图。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read (%2): was it moved or deleted while opening?</source>
        <translation>无法读取“%1”（%2）：是否在打开时被移动或删除？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is cut short: the JPEG file is incomplete.</source>
        <translation>“%1”被截断：JPEG 文件不完整。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be decoded: %2.</source>
        <translation>无法解码“%1”：%2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels, the other views %4 x %5: every view must be the same size.</source>
        <translation>“%1”为 %2 x %3 像素，其他视图为 %4 x %5：所有视图必须大小相同。</translation>
    </message>
    <message>
        <source>Opening the light field was cancelled.</source>
        <translation>已取消打开光场。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: was it moved or deleted while opening?</source>
        <translation>无法读取“%1”：是否在打开时被移动或删除？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an image Ombrel can read.</source>
        <translation>“%1”不是 Ombrel 能读取的图像。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels: views may be at most %4 pixels a side.</source>
        <translation>“%1”为 %2 x %3 像素：视图每边最多 %4 像素。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels, &quot;%4&quot; %5 x %6: every view must be the same size.</source>
        <translation>“%1”为 %2 x %3 像素，“%4”为 %5 x %6：所有视图必须大小相同。</translation>
    </message>
    <message>
        <source>A light field needs at least two views; there is only one.</source>
        <translation>光场至少需要两个视图；这里只有一个。</translation>
    </message>
    <message>
        <source>A row of %1 views is more than Ombrel opens: at most %2.</source>
        <translation>一行 %1 个视图超出了 Ombrel 能打开的数量：最多 %2 个。</translation>
    </message>
    <message>
        <source>%1 views of %2 x %3 pixels need %4 MB, more than the %5 MB Ombrel gives a light field.</source>
        <translation>%1 个 %2 x %3 像素的视图需要 %4 MB，超过 Ombrel 为光场提供的 %5 MB。</translation>
    </message>
    <message>
        <source>The folder has no row %1 of views.</source>
        <translation>文件夹中没有第 %1 行视图。</translation>
    </message>
    <message>
        <source>The view at row %1, column %2 is missing.</source>
        <translation>缺少第 %1 行第 %2 列的视图。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>“%1”不存在。</translation>
    </message>
</context>
<context>
    <name>LightFieldPictures</name>
    <message>
        <source>The central view (row %L1, scanline y %L2)</source>
        <translation>中央视图（第 %L1 行，扫描线 y %L2）</translation>
    </message>
    <message>
        <source>The central view (scanline y %L1)</source>
        <translation>中央视图（扫描线 y %L1）</translation>
    </message>
    <message>
        <source>x: pixel →</source>
        <translation>x：像素 →</translation>
    </message>
    <message>
        <source>y: pixel row from the top (the scanline in red)</source>
        <translation>y：从顶部数的像素行（红色为扫描线）</translation>
    </message>
    <message>
        <source>Ray space of scanline y %L1: one pixel per ray</source>
        <translation>扫描线 y %L1 的光线空间：每条光线一个像素</translation>
    </message>
    <message>
        <source>pixel →</source>
        <translation>像素 →</translation>
    </message>
    <message>
        <source>view →</source>
        <translation>视图 →</translation>
    </message>
    <message>
        <source>The refocused scanline (focus angle %L1°, disparity %2 px per view, %3)</source>
        <translation>重新对焦的扫描线（对焦角度 %L1°，视差每个视图 %2 像素，%3）</translation>
    </message>
    <message>
        <source>photo pixel →</source>
        <translation>照片像素 →</translation>
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
        <translation>场景</translation>
    </message>
    <message>
        <source>The scene.
Pointer: drag a shape to move it, a corner knob to resize it.
Other tools: drag to draw a new shape.
Arrow keys nudge the selection (Shift: 10); Space fills it with an image.</source>
        <translation>场景。
指针：拖动形状以移动它，拖动角上的手柄以调整大小。
其他工具：拖动以绘制新形状。
方向键微移所选形状（Shift：10）；空格键用图像填充它。</translation>
    </message>
    <message>
        <source>Ray space</source>
        <translation>光线空间</translation>
    </message>
    <message>
        <source>Ray space: one pixel per ray.
Column u: where it crosses the red upper line.
Row v, from the bottom: where it crosses the black lower line.
Hover to see that ray in the scene.</source>
        <translation>光线空间：每条光线一个像素。
列 u：光线与红色上方直线的交点。
行 v（自下而上）：光线与黑色下方直线的交点。
悬停可在场景中看到该光线。</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>The synthetic photo. Hover a pixel to see the bundle of rays it averages.</source>
        <translation>合成照片。悬停在像素上可查看它所平均的光线束。</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Pointer</source>
        <translation>指针</translation>
    </message>
    <message>
        <source>Select, move and resize shapes</source>
        <translation>选择、移动形状并调整其大小</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Drag on the scene to draw a rectangle</source>
        <translation>在场景上拖动以绘制矩形</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>Drag on the scene to draw an oval</source>
        <translation>在场景上拖动以绘制椭圆</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>三角形</translation>
    </message>
    <message>
        <source>Drag on the scene to draw a triangle</source>
        <translation>在场景上拖动以绘制三角形</translation>
    </message>
    <message>
        <source>Focus angle</source>
        <translation>对焦角度</translation>
    </message>
    <message>
        <source>Angle of the sampling segment in ray space: chooses the depth that is sharp</source>
        <translation>光线空间中采样线段的角度：决定哪个深度清晰</translation>
    </message>
    <message>
        <source>Focus readout</source>
        <translation>对焦读数</translation>
    </message>
    <message>
        <source>The focus angle and the depth in focus, from the lower line (0%) to the upper line (100%).
When no height blurs over one photo pixel (px) or less, nothing is sharp: the least blur is given.</source>
        <translation>对焦角度和对焦深度，从下方直线（0%）到上方直线（100%）。
若没有任何高度的模糊不超过一个照片像素（px），则没有清晰处：显示最小的模糊。</translation>
    </message>
    <message>
        <source>Depth of field</source>
        <translation>景深</translation>
    </message>
    <message>
        <source>Half-length of the sampling segment in samples: the aperture; 0 is a pinhole</source>
        <translation>采样线段的半长（以采样数计）：即光圈；0 为针孔</translation>
    </message>
    <message>
        <source>Depth of field readout</source>
        <translation>景深读数</translation>
    </message>
    <message>
        <source>Samples taken on each side of a photo pixel&apos;s centre, and the aperture:
how wide, in canvas units, one photo pixel&apos;s rays leave the lower line (2 × samples × sin of the angle).
The red marker has that width, or 2 where it would be narrower.</source>
        <translation>在照片像素中心两侧各取的采样数，以及光圈：
一个照片像素的光线离开下方直线时的宽度（画布单位，2 × 采样数 × 角度的正弦）。
红色标记即为该宽度，若更窄则为 2。</translation>
    </message>
    <message>
        <source>Focus on Selection</source>
        <translation>对焦到所选</translation>
    </message>
    <message>
        <source>Turn the focus angle so the selected shape&apos;s centre is sharp</source>
        <translation>转动对焦角度，使所选形状的中心清晰</translation>
    </message>
    <message>
        <source>Sweep Focus</source>
        <translation>扫描焦点</translation>
    </message>
    <message>
        <source>Sweep the focus angle down to 0°, up to 90° and back; press again to stop</source>
        <translation>将对焦角度扫到 0°，再到 90° 并返回；再按一次停止</translation>
    </message>
    <message>
        <source>Render</source>
        <translation>渲染</translation>
    </message>
    <message>
        <source>Capture the scene again and rebuild the ray space and the photo</source>
        <translation>重新捕获场景并重建光线空间和照片</translation>
    </message>
    <message>
        <source>Take Photo</source>
        <translation>拍照</translation>
    </message>
    <message>
        <source>Take the photo again from the current ray space</source>
        <translation>根据当前光线空间重新拍照</translation>
    </message>
    <message>
        <source>Ray-space axes</source>
        <translation>光线空间坐标轴</translation>
    </message>
    <message>
        <source>Show or hide the axes over the ray space</source>
        <translation>显示或隐藏光线空间上的坐标轴</translation>
    </message>
    <message>
        <source>Auto render</source>
        <translation>自动渲染</translation>
    </message>
    <message>
        <source>Ombrel renders after every edit</source>
        <translation>Ombrel 在每次编辑后渲染</translation>
    </message>
    <message>
        <source>Auto photo</source>
        <translation>自动拍照</translation>
    </message>
    <message>
        <source>Ombrel takes a photo after every render and every change of the sliders</source>
        <translation>Ombrel 在每次渲染和每次滑块改变后拍照</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Focus depth</source>
        <translation>焦点深度</translation>
    </message>
    <message>
        <source>Mark on the scene the height in focus and the band that stays sharp</source>
        <translation>在场景上标出对焦高度和保持清晰的带</translation>
    </message>
    <message>
        <source>Scene and ray-space links</source>
        <translation>场景与光线空间联动</translation>
    </message>
    <message>
        <source>Hover the scene to see a point&apos;s line in ray space, a photo pixel to see its samples, ray space to see where a ray meets the scene</source>
        <translation>悬停在场景上可查看某点在光线空间中的线，悬停在照片像素上可查看其采样，悬停在光线空间上可查看光线与场景的交点</translation>
    </message>
    <message>
        <source>Debug output</source>
        <translation>调试输出</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>诊断</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Scenes</source>
        <translation>场景(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Quit Ombrel</source>
        <translation>退出 Ombrel</translation>
    </message>
</context>
<context>
    <name>OpenPanel</name>
    <message>
        <source>Open Image</source>
        <translation>打开图像</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.gif *.ppm *.pgm *.xpm *.svg)</source>
        <translation>图像 (*.png *.jpg *.jpeg *.bmp *.gif *.ppm *.pgm *.xpm *.svg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>, with title and axes</source>
        <translation>，含标题和坐标轴</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>导出(&amp;E)…</translation>
    </message>
    <message>
        <source>Export Focal Stack &amp;Sheet…</source>
        <translation>导出焦点堆栈图表(&amp;S)…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>复制图片(&amp;P)</translation>
    </message>
    <message>
        <source>Copy the picture last chosen in Export (at first, the scene)</source>
        <translation>复制上次在“导出”中选择的图片（最初为场景）</translation>
    </message>
    <message>
        <source>focus angle %L1°, depth of field %L2</source>
        <translation>对焦角度 %L1°，景深 %L2</translation>
    </message>
    <message>
        <source>The scene (%L1)</source>
        <translation>场景（%L1）</translation>
    </message>
    <message>
        <source>x: position along the plane lines →</source>
        <translation>x：沿平面线的位置 →</translation>
    </message>
    <message>
        <source>y: height (lines at %L1 and %L2) →</source>
        <translation>y：高度（直线位于 %L1 和 %L2）→</translation>
    </message>
    <message>
        <source>Ray space: one pixel per ray</source>
        <translation>光线空间：每条光线一个像素</translation>
    </message>
    <message>
        <source>u: where the ray crosses the upper line →</source>
        <translation>u：光线与上方直线的交点 →</translation>
    </message>
    <message>
        <source>v: where the ray crosses the lower line →</source>
        <translation>v：光线与下方直线的交点 →</translation>
    </message>
    <message>
        <source>The photo (%L1)</source>
        <translation>照片（%L1）</translation>
    </message>
    <message>
        <source>photo pixel: position on the upper line →</source>
        <translation>照片像素：在上方直线上的位置 →</translation>
    </message>
    <message>
        <source>Focal stack</source>
        <translation>焦点堆栈</translation>
    </message>
    <message>
        <source>Could not export “%L1”: only the scene and the focal stack sheet can be drawings; choose a PNG file for %L2. Nothing was written.</source>
        <translation>无法导出“%L1”：只有场景和焦点堆栈图表可以是绘图；请为%L2选择 PNG 文件。未写入任何内容。</translation>
    </message>
    <message>
        <source>Exported %L1 to “%L2”.</source>
        <translation>已将%L1导出到“%L2”。</translation>
    </message>
    <message>
        <source>There is no picture to copy yet.</source>
        <translation>还没有可复制的图片。</translation>
    </message>
    <message>
        <source>Copied %L1 to the clipboard.</source>
        <translation>已将%L1复制到剪贴板。</translation>
    </message>
    <message>
        <source>The focal stack sheet is drawn from the scene&apos;s optics: close the light field (File ▸ Close Light Field) to export it.</source>
        <translation>焦点堆栈图表按场景的光学绘制：关闭光场（文件 ▸ 关闭光场）后即可导出。</translation>
    </message>
    <message>
        <source>Could not export “%L1”: %L2 Nothing was written.</source>
        <translation>无法导出“%L1”：%L2 未写入任何内容。</translation>
    </message>
    <message>
        <source>Could not export “%L1”: a light field&apos;s views are photographs, not drawings; choose a PNG file. Nothing was written.</source>
        <translation>无法导出“%L1”：光场的视图是照片，不是绘图；请选择 PNG 文件。未写入任何内容。</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>the scene</source>
        <translation>场景</translation>
    </message>
    <message>
        <source>the ray space</source>
        <translation>光线空间</translation>
    </message>
    <message>
        <source>the ray space with marks and axes</source>
        <translation>带标记和坐标轴的光线空间</translation>
    </message>
    <message>
        <source>the photo</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>the whole window</source>
        <translation>整个窗口</translation>
    </message>
    <message>
        <source>the focal stack sheet</source>
        <translation>焦点堆栈图表</translation>
    </message>
    <message>
        <source>Could not export “%1”: %2. Nothing was written.</source>
        <translation>无法导出“%1”：%2。未写入任何内容。</translation>
    </message>
    <message>
        <source>there is no picture yet</source>
        <translation>还没有图片</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>已有同名文件夹</translation>
    </message>
    <message>
        <source>the central view</source>
        <translation>中央视图</translation>
    </message>
    <message>
        <source>Central view</source>
        <translation>中央视图</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>场景</translation>
    </message>
    <message>
        <source>Ray space</source>
        <translation>光线空间</translation>
    </message>
    <message>
        <source>Ray space with marks and axes</source>
        <translation>带标记和坐标轴的光线空间</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Whole window</source>
        <translation>整个窗口</translation>
    </message>
    <message>
        <source>Focal stack sheet</source>
        <translation>焦点堆栈图表</translation>
    </message>
</context>
<context>
    <name>PointSpreadPlot</name>
    <message>
        <source>Point-spread function</source>
        <translation>点扩散函数</translation>
    </message>
    <message>
        <source>%L1% up: spot %L2 photo px wide</source>
        <translation>%L1% 高度处：光斑宽 %L2 个照片像素</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>实际大小(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Live Updates</source>
        <translation>实时更新(&amp;L)</translation>
    </message>
    <message>
        <source>Render while a shape is dragged, and as soon as a new one is drawn</source>
        <translation>拖动形状时渲染，并在绘制新形状后立即渲染</translation>
    </message>
    <message>
        <source>%1 is the largest zoom that fits this screen</source>
        <translation>%1 是适合此屏幕的最大缩放</translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation>缩放 %1</translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation>演示(&amp;P)</translation>
    </message>
    <message>
        <source>Full screen, the views as large as the screen allows; F5 or Escape leaves</source>
        <translation>全屏，视图尽可能大；按 F5 或 Esc 退出</translation>
    </message>
    <message>
        <source>Leave Presentation</source>
        <translation>退出演示</translation>
    </message>
    <message>
        <source>Presentation at %1</source>
        <translation>演示：%1</translation>
    </message>
</context>
<context>
    <name>RaySpaceAxes</name>
    <message>
        <source>u (upper line) →</source>
        <translation>u（上方直线）→</translation>
    </message>
    <message>
        <source>v (lower line) →</source>
        <translation>v（下方直线）→</translation>
    </message>
    <message>
        <source>v (lower line) ↑</source>
        <translation>v（下方直线）↑</translation>
    </message>
</context>
<context>
    <name>SceneDocument</name>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>打开(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>另存为(&amp;A)…</translation>
    </message>
    <message>
        <source>New Scene</source>
        <translation>新建场景</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>打开 %1</translation>
    </message>
    <message>
        <source>Opened “%1”.</source>
        <translation>已打开“%1”。</translation>
    </message>
    <message>
        <source>Untitled.%1</source>
        <translation>未命名.%1</translation>
    </message>
    <message>
        <source>Saved “%1”.</source>
        <translation>已保存“%1”。</translation>
    </message>
</context>
<context>
    <name>SceneFile</name>
    <message>
        <source>%1 has no %2</source>
        <translation>%1 没有 %2</translation>
    </message>
    <message>
        <source>%1: %2 is not an object</source>
        <translation>%1：%2 不是对象</translation>
    </message>
    <message>
        <source>%1: %2 is not a number</source>
        <translation>%1：%2 不是数字</translation>
    </message>
    <message>
        <source>%1: %2 is %3, outside %4 to %5</source>
        <translation>%1：%2 为 %3，超出 %4 到 %5 的范围</translation>
    </message>
    <message>
        <source>, rectangle</source>
        <translation>，矩形</translation>
    </message>
    <message>
        <source>, colour</source>
        <translation>，颜色</translation>
    </message>
    <message>
        <source>%1: the image is not a text of PNG data</source>
        <translation>%1：图像不是 PNG 数据文本</translation>
    </message>
    <message>
        <source>%1: the image is not valid base64</source>
        <translation>%1：图像不是有效的 base64</translation>
    </message>
    <message>
        <source>%1: the embedded image is not a PNG image</source>
        <translation>%1：嵌入的图像不是 PNG 图像</translation>
    </message>
    <message>
        <source>%1: the embedded image is too large (%2 x %3 pixels)</source>
        <translation>%1：嵌入的图像太大（%2 x %3 像素）</translation>
    </message>
    <message>
        <source>%1: the embedded image is damaged (%2)</source>
        <translation>%1：嵌入的图像已损坏（%2）</translation>
    </message>
    <message>
        <source>shape %1</source>
        <translation>形状 %1</translation>
    </message>
    <message>
        <source>%1 is not an object</source>
        <translation>%1 不是对象</translation>
    </message>
    <message>
        <source>%1: %2 is not a text</source>
        <translation>%1：%2 不是文本</translation>
    </message>
    <message>
        <source>%1 has an unknown kind %2</source>
        <translation>%1 的类型 %2 未知</translation>
    </message>
    <message>
        <source>the scene</source>
        <translation>场景</translation>
    </message>
    <message>
        <source>its format version is not a whole number from 1 up</source>
        <translation>其格式版本不是从 1 起的整数</translation>
    </message>
    <message>
        <source>it was written by a newer Ombrel (format version %1; this one reads version %2)</source>
        <translation>它由更新版本的 Ombrel 写入（格式版本 %1；此版本读取版本 %2）</translation>
    </message>
    <message>
        <source>%1: %2 is not true or false</source>
        <translation>%1：%2 不是 true 或 false</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number</source>
        <translation>%1：%2 不是整数</translation>
    </message>
    <message>
        <source>the lesson</source>
        <translation>课程</translation>
    </message>
    <message>
        <source>%1: %2 is not one of box, tent, gaussian, twoSlits, pinholes</source>
        <translation>%1：%2 不是 box、tent、gaussian、twoSlits、pinholes 之一</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>it is not a scene file (not JSON: %1 at byte %2)</source>
        <translation>它不是场景文件（不是 JSON：%1，位于第 %2 字节）</translation>
    </message>
    <message>
        <source>it is JSON but not an Ombrel scene</source>
        <translation>它是 JSON，但不是 Ombrel 场景</translation>
    </message>
    <message>
        <source>its %1 are not a list</source>
        <translation>其 %1 不是列表</translation>
    </message>
    <message>
        <source>it holds %1 shapes, more than the %2 Ombrel opens</source>
        <translation>它包含 %1 个形状，超过 Ombrel 能打开的 %2 个</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>无法打开 %1：%2。</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>没有这个文件</translation>
    </message>
    <message>
        <source>it is a folder, not a scene file</source>
        <translation>它是文件夹，不是场景文件</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>it is larger than any scene file Ombrel opens (%1 MB)</source>
        <translation>它大于 Ombrel 能打开的任何场景文件（%1 MB）</translation>
    </message>
    <message>
        <source>Could not save %1: %2. Any earlier file of that name is unchanged.</source>
        <translation>无法保存 %1：%2。之前同名的文件保持不变。</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>已有同名文件夹</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>三角形</translation>
    </message>
    <message>
        <source>rectangle</source>
        <comment>in a sentence</comment>
        <translation>矩形</translation>
    </message>
    <message>
        <source>circle</source>
        <comment>in a sentence</comment>
        <translation>圆形</translation>
    </message>
    <message>
        <source>triangle</source>
        <comment>in a sentence</comment>
        <translation>三角形</translation>
    </message>
</context>
<context>
    <name>SlopeStrip</name>
    <message>
        <source>Depth estimated from the slopes in ray space at each photo pixel; the legend runs from the lower line (0) to the upper line (1).</source>
        <translation>根据光线空间中的斜率在每个照片像素处估计的深度；图例从下方直线（0）到上方直线（1）。</translation>
    </message>
    <message>
        <source>λ 0: lower line</source>
        <translation>λ 0：下方直线</translation>
    </message>
    <message>
        <source>upper line: 1</source>
        <translation>上方直线：1</translation>
    </message>
</context>
<context>
    <name>SpectrumDock</name>
    <message>
        <source>Spectrum</source>
        <translation>频谱</translation>
    </message>
    <message>
        <source>log |DFT| of ray space: slice (orange), fan (blue)</source>
        <translation>光线空间的 log |DFT|：切片（橙色），扇形（蓝色）</translation>
    </message>
    <message>
        <source>The slice is the line the focus angle selects; the fan lies between the lines of the nearest and farthest shapes.</source>
        <translation>切片是对焦角度所选的线；扇形位于最近与最远形状的线之间。</translation>
    </message>
    <message>
        <source>Photo |DFT| (black), slice values (orange)</source>
        <translation>照片 |DFT|（黑色），切片值（橙色）</translation>
    </message>
    <message>
        <source>Both on a log scale. They meet for a photo through the whole aperture, the projection the slice stands for.</source>
        <translation>两者均为对数刻度。对于通过整个光圈的照片（即切片所代表的投影），两者重合。</translation>
    </message>
    <message>
        <source>Spectru&amp;m</source>
        <translation>频谱(&amp;M)</translation>
    </message>
    <message>
        <source>log |DFT| of the epipolar-plane image: slice (orange)</source>
        <translation>对极平面图像的 log |DFT|：切片（橙色）</translation>
    </message>
    <message>
        <source>The slice is the line the focus angle selects. A real light field&apos;s depths are not known, so no fan is drawn.</source>
        <translation>切片是对焦角度选出的那条直线。真实光场的深度未知，因此不绘制扇形。</translation>
    </message>
    <message>
        <source>Across: cycles along a view&apos;s %1 pixels, %2 to %3. Down: cycles across the %4 views, %5 to %6. Zero frequency at the centre.</source>
        <translation>横向：沿一个视图的 %1 个像素的周期数，%2 到 %3。纵向：跨 %4 个视图的周期数，%5 到 %6。零频率在中心。</translation>
    </message>
    <message>
        <source>Across: k_u, cycles along the upper line. Down: k_r, cycles along the lower line. Zero frequency at the centre.</source>
        <translation>横向：k_u，沿上线的周期数。纵向：k_r，沿下线的周期数。零频率在中心。</translation>
    </message>
    <message>
        <source>No light field to transform yet.</source>
        <translation>还没有可变换的光场。</translation>
    </message>
</context>
<context>
    <name>StatusMessages</name>
    <message>
        <source>Rendered in %1 ms</source>
        <translation>渲染用时 %1 毫秒</translation>
    </message>
    <message>
        <source>Photo taken in %1 ms</source>
        <translation>拍照用时 %1 毫秒</translation>
    </message>
    <message>
        <source>The ray space and the photo show the scene as it was at the last render</source>
        <translation>光线空间和照片显示的是上次渲染时的场景</translation>
    </message>
    <message>
        <source>Scene changed: press Render</source>
        <translation>场景已更改：请按“渲染”</translation>
    </message>
    <message>
        <source>Could not use “%1” as a fill: %2</source>
        <translation>无法将“%1”用作填充：%2</translation>
    </message>
</context>
<context>
    <name>TeachingAids</name>
    <message>
        <source>Show &amp;Focus Depth</source>
        <translation>显示焦点深度(&amp;F)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>&amp;Link Scene and Ray Space</source>
        <translation>联动场景与光线空间(&amp;L)</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Focus on &amp;Selection</source>
        <translation>对焦到所选(&amp;S)</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>S&amp;weep Focus</source>
        <translation>扫描焦点(&amp;W)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>%L1°: nothing is sharp (%L2)</source>
        <translation>%L1°：没有清晰处（%L2）</translation>
    </message>
    <message>
        <source>%L1°, a pinhole: every height is sharp</source>
        <translation>%L1°，针孔：所有高度都清晰</translation>
    </message>
    <message>
        <source>%L1°, sharp at %L2% of the way up</source>
        <translation>%L1°，在 %L2% 高度处清晰</translation>
    </message>
    <message>
        <source>blur ≥ %L1 px</source>
        <translation>模糊 ≥ %L1 px</translation>
    </message>
    <message>
        <source>blur &gt; 1 px</source>
        <translation>模糊 &gt; 1 px</translation>
    </message>
    <message>
        <source>%L1 · aperture %L2</source>
        <translation>%L1 · 光圈 %L2</translation>
    </message>
    <message>
        <source>pinhole</source>
        <translation>针孔</translation>
    </message>
    <message>
        <source>%L1 each side</source>
        <translation>每侧 %L1</translation>
    </message>
    <message>
        <source>%L1 · aperture %L2, drawn %L3</source>
        <translation>%L1 · 光圈 %L2，绘制为 %L3</translation>
    </message>
    <message>
        <source>Scene x = %L1, y = %L2</source>
        <translation>场景 x = %L1，y = %L2</translation>
    </message>
    <message>
        <source>%L1: outside the strip between the plane lines</source>
        <translation>%L1：在平面线之间的条带外</translation>
    </message>
    <message>
        <source>more than one photo pixel</source>
        <translation>超过一个照片像素</translation>
    </message>
    <message>
        <source>%L1 photo pixels</source>
        <translation>%L1 个照片像素</translation>
    </message>
    <message>
        <source>%L1: %L2 of the way up; a focus angle of %L3° focuses on it, yet it blurs over %L4</source>
        <translation>%L1：位于 %L2 高度处；%L3° 的对焦角度对准它，但它仍模糊超过%L4</translation>
    </message>
    <message>
        <source>%L1: %L2 of the way up; a focus angle of %L3° makes it sharp</source>
        <translation>%L1：位于 %L2 高度处；%L3° 的对焦角度使其清晰</translation>
    </message>
    <message>
        <source>Ray from u = %L1 on the upper line to v = %L2 on the lower line</source>
        <translation>从上方直线 u = %L1 到下方直线 v = %L2 的光线</translation>
    </message>
    <message>
        <source>%L1: white: meets nothing</source>
        <translation>%L1：白色：未遇到任何物体</translation>
    </message>
    <message>
        <source>%L1: meets %L2</source>
        <translation>%L1：遇到 %L2</translation>
    </message>
    <message>
        <source>%L1; %L2</source>
        <translation>%L1；%L2</translation>
    </message>
    <message>
        <source>Photo pixel %L1: %L2, the mean of %L3 of its %L4 samples</source>
        <translation>照片像素 %L1：%L2，为其 %L4 个采样中 %L3 个的平均值</translation>
    </message>
    <message>
        <source>Photo pixel %L1: %L2, the weighted mean of %L3 of its %L4 samples</source>
        <translation>照片像素 %L1：%L2，为其 %L4 个采样中 %L3 个的加权平均值</translation>
    </message>
    <message>
        <source>%L1; nothing is sharp (%L2)</source>
        <translation>%L1；没有清晰处（%L2）</translation>
    </message>
    <message>
        <source>%L1; a pinhole: every height is sharp</source>
        <translation>%L1；针孔：所有高度都清晰</translation>
    </message>
    <message>
        <source>%L1; sharp at y = %L2 (%L3 up)</source>
        <translation>%L1；在 y = %L2 处清晰（%L3 高度）</translation>
    </message>
    <message numerus="yes">
        <source>%Ln sample(s) each side</source>
        <translation>
            <numerusform>每侧 %Ln 个采样</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lightfieldviews::EpiView</name>
    <message>
        <source>pixel →</source>
        <translation>像素 →</translation>
    </message>
    <message>
        <source>view →</source>
        <translation>视图 →</translation>
    </message>
</context>
<context>
    <name>viewaccessibility</name>
    <message>
        <source>rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>三角形</translation>
    </message>
    <message>
        <source>no colour</source>
        <translation>无颜色</translation>
    </message>
    <message>
        <source>black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>white</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>粉色</translation>
    </message>
    <message>
        <source>image-filled</source>
        <translation>图像填充的</translation>
    </message>
    <message>
        <source>%1 %2, %3 to %4 across, %5% up</source>
        <translation>%1%2，横向 %3 至 %4，高度 %5%</translation>
    </message>
    <message>
        <source>Shapes between the plane lines: %1</source>
        <translation>平面线之间的形状：%1</translation>
    </message>
    <message>
        <source>selected: %1</source>
        <translation>已选择：%1</translation>
    </message>
    <message>
        <source>Nothing rendered yet</source>
        <translation>尚未渲染任何内容</translation>
    </message>
    <message>
        <source>Every ray between the plane lines, %1 by %2: column u is where a ray crosses the upper line, row v from the bottom where it crosses the lower line</source>
        <translation>平面线之间的每条光线，%1 × %2：列 u 是光线穿过上方线的位置，行 v（自下而上计）是它穿过下方线的位置</translation>
    </message>
    <message>
        <source>A photo %1 pixels wide taken from the ray space</source>
        <translation>从光线空间得到的照片，宽 %1 像素</translation>
    </message>
    <message>
        <source>At the cursor: the ray from %1 on the upper line to %2 on the lower line, %3</source>
        <translation>光标处：从上方线上 %1 到下方线上 %2 的光线，%3</translation>
    </message>
    <message>
        <source>At the cursor: pixel %1, %2</source>
        <translation>光标处：像素 %1，%2</translation>
    </message>
</context>
</TS>
